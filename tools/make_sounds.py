#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Kestrova developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Synthesize Kestrova's sound effects into data/sounds/.

All sounds are 16-bit mono PCM WAV at 22050 Hz, built from sine partials
with soft envelopes.  Nothing random is used, so every run writes the
same bytes.

Usage: /usr/bin/python3 tools/make_sounds.py [sounds-dir]
"""

import array
import math
import os
import sys
import wave

RATE = 22050
PEAK = 0.5            # loudest sample, as a fraction of full scale


def note(name):
    """Frequency of a note such as 'C5' or 'F#4' (A4 = 440 Hz)."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    semis = steps[name[0]]
    rest = name[1:]
    if rest.startswith("#"):
        semis += 1
        rest = rest[1:]
    return 440.0 * 2 ** ((semis + 12 * (int(rest) - 4)) / 12)


class Track:
    def __init__(self, seconds):
        self.buf = [0.0] * int(round(seconds * RATE))

    def tone(self, start, length, freq, partials=((1, 1.0),), amp=1.0,
             attack=0.008, decay=None, release=0.05, vibrato=0.0):
        """Add a tone.  partials: (frequency multiple, weight) pairs.
        decay: time constant of an exponential fade (None = sustained)."""
        s0 = int(round(start * RATE))
        n = int(round(length * RATE))
        norm = sum(w for _, w in partials)
        # leave out partials that would fold back below the Nyquist limit
        partials = [(m, w) for m, w in partials if m * freq * (1 + vibrato) < RATE / 2]
        ph = 0.0
        for i in range(n):
            k = s0 + i
            if k >= len(self.buf):
                break
            t = i / RATE
            env = min(1.0, t / attack) if attack > 0 else 1.0
            if decay:
                env *= math.exp(-t / decay)
            left = length - t
            if left < release:
                env *= max(0.0, left / release)
            v = sum(w * math.sin(m * ph) for m, w in partials) / norm
            self.buf[k] += amp * env * v
            f = freq * (1 + vibrato * math.sin(2 * math.pi * 5.5 * t) * min(1.0, t / 0.3))
            ph += 2 * math.pi * f / RATE

    def write(self, path, fade=0.01):
        peak = max((abs(v) for v in self.buf), default=0.0)
        gain = PEAK / peak if peak > 0 else 0.0
        n = len(self.buf)
        nf = int(fade * RATE)
        data = array.array("h")
        for i, v in enumerate(self.buf):
            g = gain
            if nf:
                g *= min(1.0, (i + 1) / nf, (n - i) / nf)   # no clicks at the ends
            data.append(int(round(max(-1.0, min(1.0, v * g)) * 32767)))
        if sys.byteorder == "big":
            data.byteswap()
        with wave.open(path, "wb") as w:
            w.setnchannels(1)
            w.setsampwidth(2)
            w.setframerate(RATE)
            w.writeframes(data.tobytes())


BELL = ((1, 1.0), (2.0, 0.35), (3.0, 0.12), (4.2, 0.05))
BRASS = ((1, 1.0), (2, 0.55), (3, 0.3), (4, 0.15), (5, 0.07))
SOFT = ((1, 1.0), (3, 0.11), (5, 0.04))          # rounded, triangle-like
MARIMBA = ((1, 1.0), (4, 0.25), (10, 0.04))


def click1():
    # a short wooden tick
    t = Track(0.07)
    t.tone(0, 0.07, 1900, ((1, 1.0), (1.5, 0.4)), attack=0.001, decay=0.010, release=0.01)
    t.tone(0, 0.07, 620, SOFT, amp=0.6, attack=0.001, decay=0.014, release=0.01)
    return t, 0.003


def click2():
    # two bright bell notes: a pair was found
    t = Track(0.42)
    t.tone(0.00, 0.42, note("C6"), BELL, attack=0.003, decay=0.13, release=0.08)
    t.tone(0.09, 0.33, note("G6"), BELL, amp=0.9, attack=0.003, decay=0.12, release=0.08)
    return t, 0.005


def victory():
    # quick rising arpeggio landing on a held major chord
    t = Track(1.5)
    for i, n in enumerate(["C5", "E5", "G5"]):
        t.tone(i * 0.13, 0.16, note(n), SOFT, amp=0.8, decay=0.25, release=0.04)
    for n, a in (("C6", 1.0), ("G5", 0.5), ("E5", 0.5), ("C5", 0.45)):
        t.tone(0.39, 1.11, note(n), SOFT, amp=a, decay=0.6, release=0.3, vibrato=0.003)
    return t, 0.01


def victory1():
    # the grand one: brassy call, a short answer, then a big chord
    t = Track(2.05)
    seq = [("G4", 0.00, 0.14), ("C5", 0.14, 0.14), ("E5", 0.28, 0.14),
           ("G5", 0.42, 0.30), ("E5", 0.72, 0.12), ("G5", 0.84, 0.14)]
    for n, s, d in seq:
        t.tone(s, d + 0.02, note(n), BRASS, amp=0.75, attack=0.015, release=0.04)
    for n, a in (("C6", 1.0), ("G5", 0.6), ("E5", 0.6), ("C5", 0.55), ("C4", 0.5)):
        t.tone(0.98, 1.07, note(n), BRASS, amp=a, attack=0.02, decay=1.1,
               release=0.4, vibrato=0.004)
    # sparkle on top
    for i, n in enumerate(["C7", "G6", "E6", "C7"]):
        t.tone(1.0 + i * 0.09, 0.4, note(n), BELL, amp=0.18, attack=0.002, decay=0.12)
    return t, 0.01


def victory10():
    # bouncy marimba tune in F, ending on a ringing chord
    t = Track(1.7)
    seq = ["F5", "A5", "C6", "A5", "C6", "F6"]
    for i, n in enumerate(seq):
        t.tone(i * 0.11, 0.3, note(n), MARIMBA, amp=0.8, attack=0.002, decay=0.12)
    for n, a in (("F6", 1.0), ("C6", 0.6), ("A5", 0.6), ("F5", 0.5)):
        t.tone(0.66, 1.04, note(n), MARIMBA, amp=a, attack=0.003, decay=0.35, release=0.2)
    return t, 0.01


def no_sound():
    return Track(0.05), 0.0


SOUNDS = {
    "click1.wav": (click1, 0.02, 0.15),
    "click2.wav": (click2, 0.3, 0.5),
    "victory.wav": (victory, 1.3, 1.7),
    "victory1.wav": (victory1, 1.8, 2.2),
    "victory10.wav": (victory10, 1.5, 1.9),
    "No.wav": (no_sound, 0.03, 0.08),
}


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "data", "sounds")
    os.makedirs(out, exist_ok=True)
    for name, (make, shortest, longest) in SOUNDS.items():
        track, fade = make()
        path = os.path.join(out, name)
        track.write(path, fade)
        with wave.open(path, "rb") as w:
            secs = w.getnframes() / w.getframerate()
            assert (w.getnchannels(), w.getsampwidth(), w.getframerate()) == (1, 2, RATE)
            frames = array.array("h", w.readframes(w.getnframes()))
        assert shortest <= secs <= longest, "%s is %.2f s" % (name, secs)
        loudest = max((abs(v) for v in frames), default=0)
        if name == "No.wav":
            assert loudest == 0, "No.wav must be silent"
        else:
            assert 0.3 * 32767 < loudest <= PEAK * 32767 + 1, "%s level %d" % (name, loudest)
            assert abs(frames[0]) < 300 and abs(frames[-1]) < 300, "%s pops" % name


if __name__ == "__main__":
    main()

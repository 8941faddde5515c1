#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Kestrova developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the real program and listens to it, as a player would hear it.

Usage: hear.py APP_FOLDER OUTPUT_FOLDER
Exits with 77 (skipped) when pulseaudio, pactl or parec is not installed.
"""
# A PulseAudio server of the script's own (its own runtime folder and socket, one null sink and
# nothing else) is recorded with parec while a copy of the built application folder is played:
# once the pairs are known and the board cleared, cards clicked one second apart, every pair
# opened, the game won (a first place: a fresh folder has no records); then the player's own
# click sound of another kind is clicked. Every click, pair chime and fanfare must be heard once,
# in order, from its start, for its whole length, less than 50 ms after its click. A pair's click
# is cut by its chime, and the winning click by the fanfare, at once: the player hears only the
# later sound. (The riddles' verdicts are the same sounds, asked for before their pause, as
# test_riddles_window checks.)
#
# Telling sounds apart. The null sink and the recording run at the rate of the game's WAV files,
# mono, so nothing is resampled and the recording holds the very samples the program played. Each
# click's share of the recording, up to the next click, must be silent but for the sound expected:
# from its first loud sample on, the recording must hold that file's samples as they are, from
# 2 ms past its first audible sample (see below) to its end, and then be silent again.
#
# Measuring latency. One xdotool session reads commands as they come. The mouse is moved onto
# the target first; then the click is written together with a query, and the click is taken to
# lie between the moment before the write and the arrival of the query's answer (the X server
# handles requests in order); that span is under 2 ms and is printed. The latency counted is from
# the start of that span, so the span counts against the program. A reader thread takes parec's
# output as it comes and notes the monotonic time of each arrival. Sample n cannot arrive before
# it was recorded, so each arrival of N samples at time t bounds the time of sample n by
# t - (N - n) / rate; the tightest bound from the arrivals of the next 0.25 s gives the sample's
# time (only close ones: the sink's clock runs slightly off its nominal rate). These bounds must
# not jump by 5 ms or more from one second to the next, or samples were lost. The null sink mixes
# up to its latency ahead of time; parec asks for 1 ms, so the recorded time of a sample can be up
# to about 1 ms earlier than a sound card would play it. That same latency is why up to about
# 1 ms of a sound's start can be missing from the recording (the sink takes back what it had
# mixed ahead to put a new sound in, which its monitor has already passed on): the check allows
# 2 ms. The measured latency thus holds to about +-2 ms.

import array
import bisect
import io
import math
import os
import resource
import subprocess
import sys
import threading
import time
import wave
from types import SimpleNamespace

from play import (Failure, check, check_clean_end, close_window, copy_app, end_program,
                  learn_faces, main_window, poll, run_script, running)

LATENCY_LIMIT = 0.050
CLICK_GAP = 1.0
SETTINGS = b"optFon=0\r\noptP=0\r\nchks.Value=1\r\nLocalisation=1\r\nchkz.Value=0\r\n"
CLEAR_BUTTON = (477, 19)

# A sample at or below this magnitude is silence (-60 dBFS). Up to 2 ms of a sound's start may be
# missing from the recording; the samples after them are compared in pieces of 100 to place it.
SILENT = 32
LOST_LIMIT = 0.002
PIECE = 100


def samples(data):
    """16-bit little-endian bytes as an array of samples."""
    result = array.array("h", bytes(data[: len(data) // 2 * 2]))
    if sys.byteorder == "big":
        result.byteswap()
    return result


def start_sound_server(work, out, rate):
    """A PulseAudio server with one null sink, "rec", at `rate`, mono, and its clients' env."""
    runtime = os.path.join(work, "pulse")
    os.makedirs(runtime, mode=0o700)
    socket = os.path.join(runtime, "native")
    # Its state goes to the temporary HOME. No session bus: nothing gets started on the X display
    # for one.
    env = dict(os.environ, XDG_RUNTIME_DIR=runtime, PULSE_RUNTIME_PATH=runtime,
               PULSE_SERVER="unix:" + socket,
               DBUS_SESSION_BUS_ADDRESS="unix:path=" + os.path.join(work, "no-bus"))
    # Root may run it too: it only warns.
    with open(os.path.join(out, "pulseaudio.log"), "wb") as log:
        server = subprocess.Popen(
            ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--system=no",
             "--realtime=no", "--high-priority=no", "--use-pid-file=no", "--log-level=warn",
             "-L", "module-null-sink sink_name=rec rate=%d channels=1" % rate,
             "-L", "module-native-protocol-unix auth-anonymous=1 socket=" + socket],
            env=env, stdout=log, stderr=subprocess.STDOUT)
    end = time.monotonic() + 15
    while subprocess.run(["pactl", "info"], env=env, capture_output=True).returncode:
        if server.poll() is not None or time.monotonic() > end:
            end_program(server)
            raise Failure("pulseaudio did not start (see pulseaudio.log)")
        time.sleep(0.1)
    return server, env


class Recorder:
    """parec on the null sink's monitor; each arrival of data timed on the monotonic clock."""

    def __init__(self, env, rate):
        self.rate, self.data = rate, bytearray()
        self.arrivals = []  # (samples received so far, monotonic time)
        self.process = subprocess.Popen(
            ["parec", "--device=rec.monitor", "--raw", "--format=s16le", "--channels=1",
             "--rate=%d" % rate, "--latency-msec=1"],
            env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.thread = threading.Thread(target=self._read, daemon=True)
        self.thread.start()
        check(poll(lambda: self.arrivals, bool, 10), "parec records the sink")

    def _read(self):
        while chunk := os.read(self.process.stdout.fileno(), 65536):
            now = time.monotonic()
            self.data += chunk
            self.arrivals.append((len(self.data) // 2, now))

    def stop(self):
        """The samples recorded."""
        end_program(self.process)
        self.thread.join(timeout=10)
        return samples(self.data)

    def timeline(self):
        """Sample index to monotonic time, and the largest step of its offset second to second."""
        rate, window = self.rate, self.rate // 4
        counts = [n for n, _ in self.arrivals]
        offsets = [t - n / rate for n, t in self.arrivals]

        def time_of(n):
            first = bisect.bisect_left(counts, n)
            last = bisect.bisect_right(counts, n + window)
            return min(offsets[first:max(last, first + 1)]) + n / rate

        seconds = [time_of(n) - n / rate for n in range(0, counts[-1] - window, rate)]
        step = max((abs(b - a) for a, b in zip(seconds, seconds[1:])), default=0.0)
        return time_of, step


# ---- the sounds --------------------------------------------------------------------------------


def read_sounds(folder):
    """The audible WAV files of the folder as mono sample arrays, and their common rate."""
    sounds, rate = {}, None
    for name in sorted(n for n in os.listdir(folder) if n.lower().endswith(".wav")):
        with wave.open(os.path.join(folder, name), "rb") as w:
            if w.getparams()[:2] != (1, 2) or rate not in (None, w.getframerate()):
                raise Failure("the sound files are not all 16-bit mono at one rate")
            rate = w.getframerate()
            frames = samples(w.readframes(w.getnframes()))
        if max(map(abs, frames), default=0) > SILENT:
            sounds[name[:-4]] = frames
    return sounds, rate


def first_loud(samples, start, stop=None):
    for i in range(start, len(samples) if stop is None else min(stop, len(samples))):
        if abs(samples[i]) > SILENT:
            return i
    return None


def place(rec, onset, sound, lost):
    """Where the sound's first sample lies in the recording, which holds its samples as they are
    from `lost` past its first audible one soon after `onset`; None when it does not."""
    skip = first_loud(sound, 0) + lost
    found = rec[onset:onset + skip + PIECE].tobytes().find(sound[skip:skip + PIECE].tobytes())
    return None if found < 0 or found % 2 else onset + found // 2 - skip


# ---- playing -----------------------------------------------------------------------------------


class Player:
    """Clicks through one xdotool session, timed (see the top of the file), `gap` seconds after the
    one before; each click an event, given the sound to be heard once it is known."""

    def __init__(self, window, events):
        self.window, self.events, self.moment = window, events, time.monotonic()
        self.session = subprocess.Popen(["xdotool", "-"], stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, text=True, bufsize=1)

    def _send(self, command):
        self.session.stdin.write(command + "\ngetmouselocation\n")
        self.session.stdin.flush()
        if not self.session.stdout.readline():
            raise Failure("xdotool ended")

    def click(self, x, y, what, gap=CLICK_GAP):
        """Clicks the design's point x, y of the main window."""
        self._send("mousemove %d %d" % self.window.at(x, y))
        wait_until(max(self.moment, time.monotonic() + 0.05))
        before = time.monotonic()
        self._send("click --delay 0 1")
        event = SimpleNamespace(before=before, after=time.monotonic(), what=what, sound=None)
        self.events.append(event)
        self.moment = before + gap
        return event

    def click_card(self, k):
        return self.click(*self.window.card_point(k), "card %d" % k)


def wait_until(moment):
    time.sleep(max(0, moment - time.monotonic()))


def play_game(player, window):
    """Learns the pairs (those clicks are not judged), clears the board, then opens every pair, a
    card a second; after Clear the game compares the first card with 23: its pair goes first."""
    pairs, _ = learn_faces(window, window.click_card)
    window.click(*CLEAR_BUTTON)
    player.moment = time.monotonic() + CLICK_GAP
    for a, b in sorted(((b, a) if b == 23 else (a, b) for a, b in pairs), key=lambda p: p[0] != 23):
        player.click_card(a).sound = "click1"
        player.click_card(b).sound = "click2"
    player.events[-1].sound = "victory1"
    player.moment += 1.5  # the fanfare plays out


def click_own_sound(player, window):
    """Clicks the last card three times: each time only the click sound."""
    for _ in range(3):
        player.click_card(23).sound = "own click"


# ---- the run -----------------------------------------------------------------------------------


def own_sound(rate):
    """A click of the player's own, 20 ms of 8-bit stereo, shorter than the player's buffer: the
    file's bytes and what the sink makes of it (16-bit mono)."""
    n = int(0.020 * rate)
    levels = [128 + round(90 * math.sin(2 * math.pi * 1500 * i / rate) *
                          min(1, i / 40, (n - i) / 40)) for i in range(n)]
    f = io.BytesIO()
    with wave.open(f, "wb") as w:
        w.setparams((2, 1, rate, 0, "NONE", ""))
        w.writeframes(bytes(x for level in levels for x in (level, level)))
    return f.getvalue(), array.array("h", [(level - 128) << 8 for level in levels])


def run_program(program, env, out, events, *scripts):
    """Starts the program, plays each of `scripts`(player, window), then closes it cleanly."""
    log_path = os.path.join(out, "hear-%s-errors.txt" % os.path.basename(os.path.dirname(program)))
    # No file may grow beyond 32 MiB, as under `ulimit -f`: the sound server's client library sizes
    # a shared file of 64 MiB, which must fail without ending the game.
    limit = (32 << 20, resource.getrlimit(resource.RLIMIT_FSIZE)[1])
    with running(program, log_path, env,
                 lambda: resource.setrlimit(resource.RLIMIT_FSIZE, limit)) as process:
        window = main_window(out)
        player = Player(window, events)
        for script in scripts:
            script(player, window)
        wait_until(player.moment + 0.5)
        end_program(player.session)
        close_window(window.wid)
        check_clean_end(process, log_path)


def listen(app, work, out):
    sounds, rate = read_sounds(os.path.join(app, "sounds"))
    check({"click1", "click2", "victory1"} <= set(sounds), "the game's sounds are audible")
    own_file, sounds["own click"] = own_sound(rate)
    server, env = start_sound_server(work, out, rate)
    events = []
    try:
        recorder = Recorder(env, rate)
        run_program(copy_app(app, os.path.join(work, "game"), {"Kestrova.ini": SETTINGS}), env,
                    out, events, play_game)
        # The player's own sound file, of another kind than the game's.
        own = {"Kestrova.ini": SETTINGS, "sounds/click1.wav": own_file}
        run_program(copy_app(app, os.path.join(work, "own"), own), env, out, events,
                    click_own_sound)
        rec = recorder.stop()
        time_of, step = recorder.timeline()
    finally:
        end_program(server)

    with wave.open(os.path.join(out, "heard.wav"), "wb") as w:
        w.setparams((1, 2, rate, 0, "NONE", ""))
        w.writeframes(rec.tobytes())
    check(step < 0.005, "the recording kept time (no samples lost; steps up to %.1f ms)"
          % (step * 1000))
    judge(events, rec, sounds, rate, time_of)


def judge(events, rec, sounds, rate, time_of):
    """Checks that each click brought its one sound, whole, from its start, in time, and nothing
    else; prints what was heard."""
    lost = int(LOST_LIMIT * rate)
    # Each click's share of the recording runs up to the next click.
    bounds = [bisect.bisect_left(range(len(rec)), e.before - LOST_LIMIT, key=time_of)
              for e in events] + [len(rec)]
    faults, latencies = [], []
    for e, start, end in zip(events, bounds, bounds[1:]):
        fault, onset = [], first_loud(rec, start, end)
        latency = None if onset is None else time_of(onset) - e.before
        heard = None if onset is None else next(
            (n for n in sorted(sounds, key=lambda n: n != e.sound)
             if place(rec, onset, sounds[n], lost) is not None), "an unknown sound")
        if heard != e.sound:
            fault.append("%s heard" % (heard or "nothing"))
        elif heard:
            latencies.append(latency)
            sound, begin = sounds[heard], place(rec, onset, sounds[heard], lost)
            skip = first_loud(sound, 0) + lost
            fault += [what for what, bad in (
                ("cut short or broken up", rec[begin + skip:begin + len(sound)] != sound[skip:]),
                ("another sound after it", first_loud(rec, begin + len(sound), end) is not None),
                ("late", latency >= LATENCY_LIMIT)) if bad]
        print("%-17s %-9s %8s  %s" % (e.what, e.sound or "-", "" if latency is None else
                                      "%.1f ms" % (latency * 1000), ", ".join(fault)))
        faults += ["%s: %s" % (e.what, f) for f in fault]
    print("each click lies within %.1f ms after its timestamp"
          % max((e.after - e.before) * 1000 for e in events))
    if latencies:
        latencies.sort()
        print("latency from click to sound: median %.1f ms, worst %.1f ms (%d sounds)" % (
            latencies[len(latencies) // 2] * 1000, latencies[-1] * 1000, len(latencies)))
    check(not faults, "%d sounds expected, each heard as expected" % len(latencies)
          if not faults else "%d faults: %s" % (len(faults), "; ".join(faults[:6])))


if __name__ == "__main__":
    run_script(__doc__, listen, "every sound was heard as expected",
               ["pulseaudio", "pactl", "parec"])

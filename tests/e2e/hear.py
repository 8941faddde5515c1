#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Kestrova developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the real program and listens to it, as a player would hear it.

Starts a PulseAudio server of its own (its own runtime folder and socket, one
null sink and nothing else), records the null sink's monitor with parec, and
plays a copy of the built application folder through its window with xdotool,
in Russian so that riddles exist: cards clicked one second apart, every pair
opened, the game won (a first place: a fresh folder has no records), then
riddles answered until a wrong and a right answer have been given. Then it
takes the recording apart and checks that every click, pair chime, fanfare
and riddle verdict was heard once, in order, from its start, for its whole
length (or up to where the next sound starts), and less than 50 ms after its
click. A pair's click is cut by its chime, and the winning click by the
fanfare, at once: the player hears only the later sound.

Telling sounds apart. The null sink and the recording run at the rate of the
game's WAV files, mono, so nothing is resampled and the recording holds the
very samples the program played. Wherever the recording leaves silence, each
file (read with the wave module) is slid over its first 30 ms to find the best
normalised correlation with the next 10 ms of the recording: that names the
sound and tells whether its start is missing. The sound is then followed in
5 ms blocks as long as the recording goes on matching the file: it ends where
the file ends, where the recording falls silent too early (a sound cut short
or breaking up), or where something else starts (a sound cut by the next).

Measuring latency. One xdotool session reads commands as they come. The
mouse is moved onto the target first; then the click is written together with
a query, and the click is taken to lie between the moment before the write and
the arrival of the query's answer (the X server handles requests in order);
that span is under 2 ms and is printed. The latency counted is from the start
of that span, so the span counts against the program. A reader thread takes
parec's output as it comes and notes the monotonic time of each arrival.
Sample n cannot arrive before it was recorded, so each arrival of N samples at
time t bounds the time of sample n by t - (N - n) / rate; the tightest bound
from the arrivals of the next 0.25 s gives the sample's time (only close ones:
the sink's clock runs slightly off its nominal rate). These bounds must not
jump by 5 ms or more from one second to the next, or samples were lost. The
null sink mixes up to its latency ahead of time; parec asks for 1 ms, so the
recorded time of a sample can be up to about 1 ms earlier than a sound card
would play it. That same latency is why up to about 1 ms of a sound's start
can be missing from the recording (the sink takes back what it had mixed ahead
to put a new sound in, which its monitor has already passed on): the check
allows 2 ms. The measured latency thus holds to about +-2 ms.

Usage: hear.py APP_FOLDER OUTPUT_FOLDER
Exits with 77 (skipped) when pulseaudio, pactl or parec is not installed.
"""

import array
import bisect
import math
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import wave

from PIL import ImageGrab

from play import (Failure, Window, check, check_clean_end, close_window, end_program,
                  find_window, xdotool)

SKIP = 77
LATENCY_LIMIT = 0.050
CLICK_GAP = 1.0
RECORD_LATENCY_MS = 1

# Places in the 641 x 425 main window, and in the riddles window, which opens 67 px right of and
# below the main window's corner. An answer's verdict stays for 1.5 s.
RIDDLE_LABEL = (329, 406, 90, 16)
RIDDLE_OFFSET = 67
RIDDLE_PICTURES = [(144, 163), (248, 163), (344, 163)]
RIDDLE_PICTURE_SIZE = (57, 41)
RIDDLE_PAUSE = 1.5

SETTINGS = ["optFon=0", "optP=0", "chks.Value=1", "Localisation=0", "chkz.Value=0"]

# A sample at or below this magnitude is silence (-60 dBFS).
SILENT = 32
BLOCK_SECONDS = 0.005
SEARCH_SECONDS = 0.010
MAX_LOST_SECONDS = 0.030
MIN_CORRELATION = 0.9
LOST_LIMIT = 0.002


# ---- the sound server and the recorder ---------------------------------------------------------


class SoundServer:
    """A PulseAudio server of our own with one null sink, "rec", at the given rate, mono."""

    def __init__(self, work, out, rate):
        runtime = os.path.join(work, "pulse")
        os.makedirs(runtime, mode=0o700)
        socket = os.path.join(runtime, "native")
        self.env = dict(os.environ)
        self.env.update({
            "HOME": os.path.join(work, "home"),
            "XDG_RUNTIME_DIR": runtime,
            "XDG_CONFIG_HOME": os.path.join(work, "home", ".config"),
            "PULSE_RUNTIME_PATH": runtime,
            "PULSE_STATE_PATH": os.path.join(work, "pulse-state"),
            "PULSE_SERVER": "unix:" + socket,
            # No session bus: nothing gets started on the X display for one.
            "DBUS_SESSION_BUS_ADDRESS": "unix:path=" + os.path.join(work, "no-bus"),
        })
        self.log = open(os.path.join(out, "pulseaudio.log"), "wb")
        # Root may run it too: it only warns.
        self.process = subprocess.Popen(
            ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--system=no",
             "--realtime=no", "--high-priority=no", "--use-pid-file=no", "--log-level=warn",
             "-L", "module-null-sink sink_name=rec rate=%d channels=1" % rate,
             "-L", "module-native-protocol-unix auth-anonymous=1 socket=" + socket],
            env=self.env, stdout=self.log, stderr=subprocess.STDOUT)
        end = time.monotonic() + 15
        while subprocess.run(["pactl", "info"], env=self.env, capture_output=True).returncode:
            if self.process.poll() is not None:
                raise Failure("pulseaudio ended at start (see pulseaudio.log)")
            if time.monotonic() > end:
                raise Failure("pulseaudio did not answer within 15 s")
            time.sleep(0.1)

    def stop(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.log.close()


class Recorder:
    """parec on the null sink's monitor; each arrival of data timed on the monotonic clock."""

    def __init__(self, server, rate):
        self.rate = rate
        self.data = bytearray()
        self.arrivals = []  # (samples received so far, monotonic time)
        self.process = subprocess.Popen(
            ["parec", "--device=rec.monitor", "--raw", "--format=s16le", "--channels=1",
             "--rate=%d" % rate, "--latency-msec=%d" % RECORD_LATENCY_MS],
            env=server.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.thread = threading.Thread(target=self._read, daemon=True)
        self.thread.start()
        end = time.monotonic() + 10
        while not self.arrivals:
            if time.monotonic() > end:
                raise Failure("parec delivered nothing within 10 s")
            time.sleep(0.05)

    def _read(self):
        fd = self.process.stdout.fileno()
        while True:
            chunk = os.read(fd, 65536)
            now = time.monotonic()
            if not chunk:
                return
            self.data += chunk
            self.arrivals.append((len(self.data) // 2, now))

    def stop(self):
        """The samples recorded."""
        if self.process.poll() is None:
            self.process.terminate()
            self.process.wait(timeout=10)
        self.thread.join(timeout=10)
        samples = array.array("h", bytes(self.data[: len(self.data) // 2 * 2]))
        if sys.byteorder == "big":
            samples.byteswap()
        return samples

    def timeline(self):
        """A function from sample index to monotonic time, and the largest step of its offset
        from one second to the next."""
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
    for name in sorted(os.listdir(folder)):
        if not name.lower().endswith(".wav"):
            continue
        with wave.open(os.path.join(folder, name), "rb") as w:
            if w.getsampwidth() != 2 or rate not in (None, w.getframerate()):
                raise Failure("the sound files are not all 16-bit at one rate")
            rate = w.getframerate()
            frames = array.array("h", w.readframes(w.getnframes()))
            if sys.byteorder == "big":
                frames.byteswap()
            if w.getnchannels() == 2:
                frames = array.array("h", [(a + b) // 2 for a, b in zip(frames[::2], frames[1::2])])
        if max(map(abs, frames), default=0) > SILENT:
            sounds[name[:-4]] = frames
    return sounds, rate


def energy(xs):
    return sum(x * x for x in xs)


def dot(xs, ys):
    return sum(map(int.__mul__, xs, ys))


def first_loud(samples, start, stop=None):
    for i in range(start, len(samples) if stop is None else min(stop, len(samples))):
        if abs(samples[i]) > SILENT:
            return i
    return None


class Heard:
    def __init__(self, name, onset, length=0, whole=False, score=0.0, lost=0):
        self.name, self.onset, self.length, self.whole = name, onset, length, whole
        self.score, self.lost = score, lost


def identify(rec, onset, sounds, rate):
    """(name, index, score): the file and the place in it that best match the recording from
    `onset`; the index lies past the file's first audible sample when the start was lost."""
    n = int(SEARCH_SECONDS * rate)
    piece = rec[onset:onset + n]
    p_energy = energy(piece)
    best = (None, 0, 0.0)
    if len(piece) < n or not p_energy:
        return best
    for name, sound in sounds.items():
        lead = first_loud(sound, 0)
        squares = [0]
        for x in sound:
            squares.append(squares[-1] + x * x)
        for j in range(max(0, lead - 3), min(len(sound) - n, lead + int(MAX_LOST_SECONDS * rate))):
            s_energy = squares[j + n] - squares[j]
            if s_energy:
                score = dot(piece, sound[j:j + n]) / (s_energy * p_energy) ** 0.5
                if score > best[2]:
                    best = (name, j, score)
    return best


def follow(rec, onset, sound, j, rate):
    """How many samples from `onset` on go on matching `sound` from index j (whole blocks)."""
    block = int(BLOCK_SECONDS * rate)
    n = min(len(sound) - j, len(rec) - onset)
    head = min(n, int(SEARCH_SECONDS * rate))
    gain = dot(rec[onset:onset + head], sound[j:j + head]) / max(1, energy(sound[j:j + head]))
    for b in range(0, n, block):
        r = rec[onset + b:onset + min(b + block, n)]
        s = [gain * x for x in sound[j + b:j + min(b + block, n)]]
        r_energy, s_energy = energy(r), energy(s)
        quiet = SILENT * SILENT * len(r)
        if r_energy <= quiet and s_energy <= quiet:
            continue
        if sum((x - y) ** 2 for x, y in zip(r, s)) > 0.15 * max(r_energy, s_energy) + quiet:
            return b
    return n


def heard_sounds(rec, sounds, rate):
    """The recording taken apart into the sounds heard, in order."""
    heard, position, block = [], 0, int(BLOCK_SECONDS * rate)
    while True:
        onset = first_loud(rec, position)
        if onset is None:
            return heard
        name, j, score = identify(rec, onset, sounds, rate)
        if score < MIN_CORRELATION:
            heard.append(Heard("unknown", onset, score=score))
            # What follows up to the next silence is part of it.
            position = onset + block
            while first_loud(rec, position, position + block) is not None:
                position += block
            continue
        sound = sounds[name]
        length = follow(rec, onset, sound, j, rate)
        lost = max(0, j - first_loud(sound, 0))
        heard.append(Heard(name, onset, length, j + length >= len(sound), score, lost))
        position = onset + max(length, block)


# ---- playing -----------------------------------------------------------------------------------


class Event:
    def __init__(self, before, after, what):
        self.before, self.after, self.what = before, after, what
        self.sound = None  # the file the player should hear, once known


class Player:
    """Clicks through one xdotool session, each timed (see the top of the file)."""

    def __init__(self, window, events):
        self.window = window
        self.events = events
        self.session = subprocess.Popen(["xdotool", "-"], stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, text=True, bufsize=1)

    def close(self):
        self.session.stdin.close()
        self.session.wait(timeout=10)

    def _send(self, command):
        self.session.stdin.write(command + "\ngetmouselocation\n")
        self.session.stdin.flush()
        if not self.session.stdout.readline():
            raise Failure("xdotool ended")

    def click_at(self, x, y, what):
        self._send("mousemove %d %d" % (x, y))
        time.sleep(0.05)
        before = time.monotonic()
        self._send("click --delay 0 1")
        event = Event(before, time.monotonic(), what)
        self.events.append(event)
        return event

    def click_card(self, k):
        left, top, right, bottom = self.window.card_box(k)
        return self.click_at((left + right) // 2, (top + bottom) // 2, "card %d" % k)


def wait_until(moment):
    delay = moment - time.monotonic()
    if delay > 0:
        time.sleep(delay)


def riddle_window_shown(timeout):
    end = time.monotonic() + timeout
    while True:
        if xdotool("search", "--onlyvisible", "--name", "Загадка"):
            return True
        if time.monotonic() > end:
            return False
        time.sleep(0.1)


def play_game(player, window):
    """Turns every card, one second apart, opening each pair as soon as both cards are known."""
    face, opened, previous = {}, set(), None
    moment = time.monotonic()

    def turn(k):
        nonlocal previous, moment
        wait_until(moment)
        event = player.click_card(k)
        moment = event.before + CLICK_GAP
        time.sleep(0.3)
        if k not in face:
            face[k] = window.face(ImageGrab.grab(xdisplay=os.environ["DISPLAY"]).convert("RGB"), k)
            check(face[k] is not None, "card %d shows a picture when turned" % k)
        # The game compares the card with the one before, unless that one is in an open pair.
        matched = previous not in (None, k) and previous not in opened and face[previous] == face[k]
        if matched:
            opened.update((previous, k))
        event.sound = ("victory1" if len(opened) == 24 else "click2") if matched else "click1"
        previous = k

    # A fresh board compares the first card turned with the last one: that one goes first.
    for k in [23] + list(range(23)):
        if k not in opened:
            turn(k)
        twin = next((j for j in face if j != k and face[j] == face[k]), None)
        if k not in opened and twin is not None:
            turn(twin)
    check(len(opened) == 24, "every pair opened (%d cards)" % len(opened))
    return moment


def answer_riddles(player, window, moment):
    """Opens riddles and tries their pictures in turn until a wrong and a right answer are in."""
    wrong = False
    for _ in range(10):
        wait_until(moment)
        x, y, w, h = RIDDLE_LABEL
        event = player.click_at(window.x + x + w // 2, window.y + y + h // 2, "riddles label")
        check(riddle_window_shown(5), "the riddles window opens")
        moment = event.before + CLICK_GAP
        for k, (px, py) in enumerate(RIDDLE_PICTURES):
            wait_until(moment)
            left, top = window.x + RIDDLE_OFFSET + px, window.y + RIDDLE_OFFSET + py
            event = player.click_at(left + RIDDLE_PICTURE_SIZE[0] // 2,
                                    top + RIDDLE_PICTURE_SIZE[1] // 2, "riddle picture %d" % k)
            moment = event.before + RIDDLE_PAUSE + 0.5
            wait_until(moment)
            # A wrong answer leaves the riddle; the right one hides the window after the pause.
            right = not riddle_window_shown(0)
            event.sound = "click2" if right else "click1"
            if right:
                break
            wrong = True
        else:
            raise Failure("no picture was taken as the riddle's answer")
        if wrong:
            return moment
    raise Failure("ten riddles in a row were answered right at the first try")


# ---- the run -----------------------------------------------------------------------------------


def own_sound(rate):
    """A click of the player's own: 20 ms of 8-bit stereo, shorter than the player's buffer.
    Returns the file's bytes and what the sink makes of it (16-bit mono)."""
    n = int(0.020 * rate)
    levels = [128 + round(90 * math.sin(2 * math.pi * 1500 * i / rate) * min(1, i / 40, (n - i) / 40))
              for i in range(n)]
    with tempfile.TemporaryFile() as f:
        with wave.open(f, "wb") as w:
            w.setnchannels(2)
            w.setsampwidth(1)
            w.setframerate(rate)
            w.writeframes(bytes(x for level in levels for x in (level, level)))
        f.seek(0)
        return f.read(), array.array("h", [(level - 128) << 8 for level in levels])


def prepare(app, work, name, click=None):
    """A copy of the application folder with no records and Russian settings, sound on."""
    folder = os.path.join(work, name)
    shutil.copytree(app, folder)
    for stale in ("record.txt", "Kestrova.ini"):
        if os.path.exists(os.path.join(folder, stale)):
            os.remove(os.path.join(folder, stale))
    with open(os.path.join(folder, "Kestrova.ini"), "wb") as f:
        f.write("".join(line + "\r\n" for line in SETTINGS).encode())
    if click:
        with open(os.path.join(folder, "sounds", "click1.wav"), "wb") as f:
            f.write(click)
    return os.path.join(folder, "kestrova")


def run_program(program, env, out, events, script):
    """Starts the program, lets `script(player, window)` play, closes the window the way a
    window manager does and expects a clean end."""
    name = os.path.basename(os.path.dirname(program))
    log_path = os.path.join(out, "hear-%s-errors.txt" % name)
    with open(log_path, "wb") as log:
        process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=log)
    player = None
    try:
        window = Window(find_window(15), out)
        player = Player(window, events)
        time.sleep(1.0)
        wait_until(script(player, window) + 0.5)
        close_window(window.wid)
        check_clean_end(process, log_path)
    finally:
        if player:
            player.close()
        end_program(process)


def click_own_sound(player, window):
    """Clicks the last card three times: each time only the click sound."""
    moment = time.monotonic()
    for _ in range(3):
        wait_until(moment)
        event = player.click_card(23)
        event.sound = "own click"
        moment = event.before + CLICK_GAP
    return moment


def listen(app, work, out):
    sounds, rate = read_sounds(os.path.join(app, "sounds"))
    check({"click1", "click2", "victory1"} <= set(sounds), "the game's sounds are audible")
    own_file, sounds["own click"] = own_sound(rate)
    server = SoundServer(work, out, rate)
    recorder = None
    events = []
    try:
        recorder = Recorder(server, rate)
        env = dict(server.env)
        env.pop("QT_QPA_PLATFORM", None)
        # The fanfare plays out before the riddles.
        run_program(prepare(app, work, "game"), env, out, events, lambda player, window:
                    answer_riddles(player, window, play_game(player, window) + 2.5))
        # The player's own sound file, of another kind than the game's.
        run_program(prepare(app, work, "own", own_file), env, out, events, click_own_sound)
        rec = recorder.stop()
        time_of, step = recorder.timeline()
    finally:
        if recorder:
            recorder.stop()
        server.stop()

    with wave.open(os.path.join(out, "heard.wav"), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(rec.tobytes())
    check(step < 0.005, "the recording kept time (no samples lost; steps up to %.1f ms)"
          % (step * 1000))
    judge(events, heard_sounds(rec, sounds, rate), sounds, rate, time_of)


def judge(events, heard, sounds, rate, time_of):
    """Prints, click by click, what was expected and what was heard until the next click, then
    checks that each click brought its one sound and nothing else was heard."""
    block = int(BLOCK_SECONDS * rate)
    faults, latencies = [], []
    print("%-17s %-9s| %-9s %8s %8s %5s %6s  %s" % (
        "action", "expected", "heard", "latency", "length", "lost", "match", "fault"))
    ends = [e.before for e in events[1:]] + [float("inf")]
    for i, h in enumerate(heard):
        e = next((e for e, end in zip(events, ends) if time_of(h.onset) < end), None)
        h.event = e if e and time_of(h.onset) >= e.before - LOST_LIMIT else None
        h.next_onset = heard[i + 1].onset if i + 1 < len(heard) else None
    for e in [None] + events:
        mine = [h for h in heard if h.event is e]
        if e is None and not mine:
            continue
        if e and e.sound and not mine:
            faults.append("%s: %s not heard" % (e.what, e.sound))
            print("%-17s %-9s| %-9s %8s %8s %5s %6s  %s" % (e.what, e.sound, "", "", "", "", "",
                                                            "not heard"))
        for k, h in enumerate(mine):
            fault = []
            latency = time_of(h.onset) - e.before if e else None
            if not e or not e.sound or k > 0:
                fault.append("unexpected sound")
            else:
                latencies.append(latency)
                if h.name != e.sound:
                    fault.append("wrong sound")
                if latency >= LATENCY_LIMIT:
                    fault.append("late")
            if h.name in sounds:
                if h.lost > LOST_LIMIT * rate:
                    fault.append("start missing")
                if h.next_onset is not None and h.onset + len(sounds[h.name]) > h.next_onset:
                    if h.onset + h.length < h.next_onset - block:
                        fault.append("stopped before the next sound")
                elif not h.whole:
                    fault.append("cut short or broken up")
            what = e.what if e else "before any click"
            print("%-17s %-9s| %-9s %8s %6.0fms %3.0fms %6.3f  %s" % (
                what if k == 0 else "", (e.sound or "-") if e and k == 0 else "", h.name,
                "%6.1fms" % (latency * 1000) if latency is not None else "",
                h.length / rate * 1000, h.lost / rate * 1000, h.score, ", ".join(fault)))
            if fault:
                faults.append("%s: %s %s" % (what, h.name, ", ".join(fault)))
    spans = sorted((e.after - e.before) * 1000 for e in events)
    print("each click lies within %.1f ms after its timestamp (at most %.1f ms)"
          % (spans[len(spans) // 2], spans[-1]))
    if latencies:
        latencies.sort()
        print("latency from click to sound: median %.1f ms, worst %.1f ms (%d sounds)" % (
            latencies[len(latencies) // 2] * 1000, latencies[-1] * 1000, len(latencies)))
    expected = sum(1 for e in events if e.sound)
    summary = "%d sounds expected, %d heard" % (expected, len(heard))
    check(not faults, summary + (", each as expected" if not faults else
                                 "; %d faults: %s" % (len(faults), "; ".join(faults[:6]))))


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    app, out = sys.argv[1], sys.argv[2]
    missing = [tool for tool in ("pulseaudio", "pactl", "parec") if not shutil.which(tool)]
    if missing:
        print("SKIP: not installed:", " ".join(missing))
        sys.exit(SKIP)
    os.makedirs(out, exist_ok=True)
    with tempfile.TemporaryDirectory() as work:
        try:
            listen(app, work, out)
        except Failure as failure:
            print("FAIL:", failure, "(recording and logs in %s)" % out)
            sys.exit(1)
    print("every sound was heard as expected; the recording is in", out)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Kestrova developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs Kestrova's benchmarks from a build made by scripts/bench and prints a markdown table.

Usage: run.py BUILD_DIR [--quick] [--runs N]

Expects a display (scripts/bench runs it under xvfb-run). Progress goes to stderr, the table to
stdout.
"""
import argparse
import collections
import datetime
import os
import platform
import resource
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

# The files the game writes; a fresh application folder has none of them.
WRITTEN = ("Kestrova.ini", "record.txt")

# The programs started, in the order of each round, and their names in the table.
PROGRAMS = ("game", "bare", "labels")
TITLES = {"game": "Game", "bare": "Bare 641×425 window", "labels": "24-label 641×425 window"}

# The start-up of the game is held against the window with 24 labels: at most this many times its
# time and its memory.
TARGET = 1.2

# One start of a program, as the probe and the CPU accounting report it: the time from exec to
# the first painted window and the CPU time until then (both in ns); the CPU time until the
# process ended; the delay after the first paint at which the memory was read (ms), the memory
# then (VmRSS, kB) and whether Qt Multimedia was mapped then; the time from the first paint until
# what the program readies after it (the game's sound) was ready (ns), None when nothing is.
Start = collections.namedtuple(
    "Start", "painted_ns cpu_ns total_cpu_ns rss_delay_ms rss_kb multimedia ready_ns")

# The game's sound must be ready at most this long after the first paint (ms).
SOUND_TARGET_MS = 150


def log(text):
    print(text, file=sys.stderr, flush=True)


def fresh_env(home):
    env = dict(os.environ)
    env["HOME"] = home
    for name in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"):
        env.pop(name, None)
    env["QT_QPA_PLATFORM"] = "xcb"
    return env


def key_values(text):
    values = {}
    for line in text.splitlines():
        for field in line.split():
            key, sep, value = field.partition("=")
            if sep:
                values[key] = value
    return values


def start_once(program, app_source, needs_multimedia=False, needs_ready=False):
    """Starts `program` from a fresh application folder (with a copy of the game's data when
    app_source is given) and a fresh HOME; returns a Start. With needs_multimedia, the run fails
    unless Qt Multimedia is mapped into the process when the memory is read; with needs_ready,
    unless the probe timed something readied after the first paint (the probe itself fails the run
    when that is not ready by the time the memory is read)."""
    with tempfile.TemporaryDirectory(prefix="kestrova-bench-") as tmp:
        home = os.path.join(tmp, "home")
        os.mkdir(home)
        app = os.path.join(tmp, "app")
        if app_source:
            shutil.copytree(app_source, app,
                            ignore=shutil.ignore_patterns("kestrova", *WRITTEN))
            target = os.path.join(app, "kestrova")
        else:
            os.mkdir(app)
            target = os.path.join(app, os.path.basename(program))
        shutil.copy2(program, target)
        env = fresh_env(home)
        cpu_before = resource.getrusage(resource.RUSAGE_CHILDREN)
        started = time.monotonic_ns()
        proc = subprocess.Popen([target], cwd=app, env=env,
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        out, err = proc.communicate(timeout=120)
        cpu_after = resource.getrusage(resource.RUSAGE_CHILDREN)
        values = key_values(out.decode())
        expected = ("painted_ns", "cpu_ns", "rss_delay_ms", "rss_kb", "multimedia")
        if proc.returncode != 0 or any(key not in values for key in expected):
            sys.exit(f"{program} failed (exit {proc.returncode}):\n{out.decode()}{err.decode()}")
        multimedia = values["multimedia"] == "1"
        if needs_multimedia and not multimedia:
            sys.exit(f"{program}: Qt Multimedia (libQt6Multimedia) is not loaded "
                     f"{values['rss_delay_ms']} ms after the first paint, so the memory read "
                     f"then leaves out the sound back end; the run does not count.\n"
                     f"{err.decode()}")
        if needs_ready and "ready_after_ns" not in values:
            sys.exit(f"{program}: the probe timed nothing readied after the first paint (no "
                     f"ready_after_ns); the program's watchStartReady() waits for nothing.\n"
                     f"{out.decode()}{err.decode()}")
        ready = values.get("ready_after_ns")
        cpu = (cpu_after.ru_utime + cpu_after.ru_stime
               - cpu_before.ru_utime - cpu_before.ru_stime)
        return Start(painted_ns=int(values["painted_ns"]) - started,
                     cpu_ns=int(values["cpu_ns"]),
                     total_cpu_ns=round(cpu * 1e9),
                     rss_delay_ms=int(values["rss_delay_ms"]),
                     rss_kb=int(values["rss_kb"]),
                     multimedia=multimedia,
                     ready_ns=None if ready is None else int(ready))


def run_tool(program, *args, timeout):
    proc = subprocess.run([program, *map(str, args)], env=fresh_env(os.environ.get("HOME", "/")),
                          stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=timeout)
    if proc.returncode != 0:
        sys.exit(f"{program} failed (exit {proc.returncode}):\n{proc.stderr.decode()}")
    return key_values(proc.stdout.decode())


def cpu_model():
    try:
        with open("/proc/cpuinfo") as f:
            for line in f:
                if line.startswith("model name"):
                    return line.split(":", 1)[1].strip()
    except OSError:
        pass
    return platform.processor() or "unknown"


def verdict(ok):
    return "met" if ok else "**missed**"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("--quick", action="store_true", help="20 s of clock instead of 120 s")
    parser.add_argument("--runs", type=int, default=15, help="start-ups of each program")
    args = parser.parse_args()
    if args.runs < 10:
        sys.exit("at least 10 start-ups of each program")

    build = os.path.abspath(args.build)
    app_source = os.path.join(build, "app")
    programs = {name: os.path.join(build, "bench", f"kestrova_startup_{name}")
                for name in PROGRAMS}

    def start(name):
        # Only the game gets the application folder with the data (and the sound plug-in); only
        # the game must have its sound back end loaded, and its sound ready, by the time the
        # memory is read.
        if name == "game":
            return start_once(programs[name], app_source, needs_multimedia=True, needs_ready=True)
        return start_once(programs[name], None)

    # One start of each first, not counted: it brings the program and the libraries from disk.
    log(f"start-up: {args.runs} runs of the game, the bare window and the 24-label window, "
        f"interleaved")
    load_before = os.getloadavg()[0]
    for name in PROGRAMS:
        start(name)
    starts = {name: [] for name in PROGRAMS}
    for _ in range(args.runs):
        for name in PROGRAMS:
            starts[name].append(start(name))

    log("card click and picture load")
    click = run_tool(os.path.join(build, "bench", "kestrova_bench_click"), timeout=600)

    clock_seconds = 20 if args.quick else 120
    log(f"clock: {clock_seconds} s")
    clock = run_tool(os.path.join(build, "bench", "kestrova_bench_clock"), clock_seconds,
                     timeout=clock_seconds + 120)

    ms = lambda ns: ns / 1e6
    mib = lambda kb: kb / 1024
    click_ms = float(click["click_median_ms"])
    picture_ms = float(click["picture_median_ms"])
    clock_error = float(clock["clock_error_s"])

    def spread(values, scale, unit, digits):
        return (f"{scale(statistics.median(values)):.{digits}f} {unit} "
                f"({scale(min(values)):.{digits}f}–{scale(max(values)):.{digits}f})")

    load_after = os.getloadavg()[0]
    print(f"Date: {datetime.datetime.now().astimezone().strftime('%Y-%m-%d %H:%M %Z')}  ")
    print(f"Machine: {cpu_model()}, {os.cpu_count()} cores; Qt {click['qt']}, "
          f"Release build, Xvfb 1024×768×24 ({click['platform']}), no audio device"
          f"{'' if not args.quick else '; quick run'}  ")
    print(f"Load average (1 min) before / after: {load_before:.2f} / {load_after:.2f}")
    if max(load_before, load_after) >= os.cpu_count() / 2:
        print()
        print("**Other work kept the machine busy during this run: the start-up times and their "
              "ratios are not reliable (the CPU times suffer less). Rerun on a quiet machine.**")
    print()

    def row(title, field, scale, unit, target):
        values = {name: [getattr(s, field) for s in starts[name]] for name in PROGRAMS}
        median = {name: statistics.median(values[name]) for name in PROGRAMS}
        to_bare = median["game"] / median["bare"]
        to_labels = median["game"] / median["labels"]
        cells = " | ".join(spread(values[name], scale, unit, 1) for name in PROGRAMS)
        goal = f"≤ {TARGET}× the labels: {verdict(to_labels <= TARGET)}" if target else ""
        print(f"| {title} | {cells} | {to_bare:.2f}× | {to_labels:.2f}× | {goal} |")

    def loaded(name):
        count = sum(s.multimedia for s in starts[name])
        return f"{'yes' if count == args.runs else 'no' if count == 0 else 'partly'} " \
               f"({count} of {args.runs})"

    delay_s = starts["game"][0].rss_delay_ms / 1000
    print(f"| Start-up: median of {args.runs} (range) | "
          + " | ".join(TITLES[name] for name in PROGRAMS)
          + " | Game / bare | Game / labels | Target |")
    print("|---|---|---|---|---|---|---|")
    row("Time from exec to the first painted window", "painted_ns", ms, "ms", True)
    row("CPU time (user + sys) until then", "cpu_ns", ms, "ms", False)
    row(f"CPU time (user + sys) until {delay_s:g} s after it", "total_cpu_ns", ms, "ms", False)
    row(f"Memory (VmRSS) {delay_s:g} s after the first paint", "rss_kb", mib, "MiB", True)
    print(f"| Qt Multimedia loaded {delay_s:g} s after the first paint | "
          + " | ".join(loaded(name) for name in PROGRAMS) + " | | | |")
    sound_ns = [s.ready_ns for s in starts["game"]]
    sound_ms = ms(statistics.median(sound_ns))
    print(f"| Sound ready after the first paint | {spread(sound_ns, ms, 'ms', 1)} | — | — | | "
          f"| ≤ {SOUND_TARGET_MS} ms: {verdict(sound_ms <= SOUND_TARGET_MS)} |")
    print()
    print("| Measure | Result | Target | |")
    print("|---|---|---|---|")
    print(f"| One card click with its repaint, pictures in memory "
          f"(median of {click['click_count']}; 90th percentile) "
          f"| {click_ms:.3f} ms ({float(click['click_p90_ms']):.3f} ms) "
          f"| < 0.5 ms | {verdict(click_ms < 0.5)} |")
    print(f"| First load of a card picture, read and decoded "
          f"(median of {click['picture_loads']}: {click['picture_files']} files × "
          f"{click['picture_rounds']}; "
          f"90th percentile) "
          f"| {picture_ms:.3f} ms ({float(click['picture_p90_ms']):.3f} ms) "
          f"| < 5 ms | {verdict(picture_ms < 5)} |")
    print(f"| The very first picture load of the process (the picture plug-ins load then) "
          f"| {float(click['picture_first_ms']):.2f} ms | | |")
    print(f"| Clock with tenths after {clock['clock_seconds']} s: shown minus time passed, "
          f"at the first tenths tick from then on "
          f"| {clock_error:+.3f} s (shown {float(clock['clock_shown_s']):.1f} s at "
          f"{float(clock['clock_wall_s']):.3f} s) | within 0.15 s "
          f"| {verdict(abs(clock_error) <= 0.15)} |")
    print(f"| Clock: largest gap at any tenths tick of the run ({clock['clock_ticks']} ticks) "
          f"| {float(clock['clock_worst_tick_error_s']):+.3f} s | | |")


if __name__ == "__main__":
    main()

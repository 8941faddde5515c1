#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Kestrova developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs Kestrova's benchmarks from a build made by scripts/bench and prints a markdown table.

Usage: run.py BUILD_DIR [--quick] [--runs N]

Expects a display (scripts/bench runs it under xvfb-run). Progress goes to stderr, the table to
stdout.
"""
import argparse
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


def start_once(program, app_source):
    """Starts `program` from a fresh application folder (with a copy of the game's data when
    app_source is given) and a fresh HOME; returns (start-up in ns, VmRSS in kB, CPU time
    of the process in ns)."""
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
        if proc.returncode != 0 or "painted_ns" not in values:
            sys.exit(f"{program} failed (exit {proc.returncode}):\n{err.decode()}")
        cpu = (cpu_after.ru_utime + cpu_after.ru_stime
               - cpu_before.ru_utime - cpu_before.ru_stime)
        return int(values["painted_ns"]) - started, int(values["rss_kb"]), round(cpu * 1e9)


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
    game = os.path.join(build, "bench", "kestrova_startup_game")
    bare = os.path.join(build, "bench", "kestrova_startup_bare")

    # One start of each first, not counted: it brings the program and the libraries from disk.
    log(f"start-up: {args.runs} runs of the game and of the bare window, interleaved")
    load_before = os.getloadavg()[0]
    start_once(game, app_source)
    start_once(bare, None)
    starts = {"game": [], "bare": []}
    for _ in range(args.runs):
        starts["game"].append(start_once(game, app_source))
        starts["bare"].append(start_once(bare, None))
    # Columns: wall time (ns), VmRSS (kB), CPU time (ns).
    game_ns, game_kb, game_cpu = zip(*starts["game"])
    bare_ns, bare_kb, bare_cpu = zip(*starts["bare"])

    log("card click and picture load")
    click = run_tool(os.path.join(build, "bench", "kestrova_bench_click"), timeout=600)

    clock_seconds = 20 if args.quick else 120
    log(f"clock: {clock_seconds} s")
    clock = run_tool(os.path.join(build, "bench", "kestrova_bench_clock"), clock_seconds,
                     timeout=clock_seconds + 120)

    ms = lambda ns: ns / 1e6
    mib = lambda kb: kb / 1024
    time_ratio = statistics.median(game_ns) / statistics.median(bare_ns)
    rss_ratio = statistics.median(game_kb) / statistics.median(bare_kb)
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
              "ratio are not reliable (the CPU times suffer less). Rerun on a quiet machine.**")
    print()
    cpu_ratio = statistics.median(game_cpu) / statistics.median(bare_cpu)
    print(f"| Start-up: median of {args.runs} (range) | Game | Bare 641×425 window "
          f"| Game / bare | Target |")
    print("|---|---|---|---|---|")
    print(f"| Time from exec to the first painted window | {spread(game_ns, ms, 'ms', 1)} "
          f"| {spread(bare_ns, ms, 'ms', 1)} | {time_ratio:.2f}× "
          f"| ≤ 1.3×: {verdict(time_ratio <= 1.3)} |")
    print(f"| CPU time (user + sys) until then | {spread(game_cpu, ms, 'ms', 1)} "
          f"| {spread(bare_cpu, ms, 'ms', 1)} | {cpu_ratio:.2f}× | |")
    print(f"| Memory (VmRSS) then | {spread(game_kb, mib, 'MiB', 1)} "
          f"| {spread(bare_kb, mib, 'MiB', 1)} | {rss_ratio:.2f}× "
          f"| ≤ 1.3×: {verdict(rss_ratio <= 1.3)} |")
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

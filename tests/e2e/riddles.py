#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Kestrova developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The riddles window stays above the game, with and without a window manager.

Usage: riddles.py APP_FOLDER OUTPUT_FOLDER
"""
# In Russian with a riddle at start, first with no window manager and then under openbox when it
# is installed; every card lies face down under it. On every path that opens a riddle (at start,
# from the "Загадка" label, and at the start of the main window that "Apply" under the pictures
# builds anew) the real stacking order of the X server must put the riddles window above the
# main window, a screenshot must show it, and it must have the keyboard: the riddle is answered
# with the keys 1, 2 and 3 alone.

import os
import re
import shutil
import time

from play import (Window, check, check_clean_end, close_window, copy_app, find, geometry,
                  main_window, output, run_script, running, screenshot, window_manager,
                  xdotool)

SETTINGS = b"optFon=0\r\noptP=0\r\nchks.Value=1\r\nLocalisation=0\r\nchkz.Value=1\r\n"
RIDDLE_TITLE = "Чьи это слова"
RIDDLE_LABEL, OPTIONS_BUTTON = (374, 414), (373, 19)
# Apply under the pictures, in the options window of 304 x 259 px.
OPTIONS, APPLY_PICTURES = (304, 259), (172, 228)
CREAM = (255, 248, 225)


def top_level(window):
    """The child of the root that holds the window: itself, or a window manager's frame."""
    while True:
        info = output("xwininfo", "-children", "-id", str(window))
        root, parent = re.findall(r"(?:Root|Parent) window id: (0x[0-9a-f]+)", info)
        if parent == root:
            return window
        window = int(parent, 16)


def above(upper, lower):
    """Whether `upper` is stacked above `lower`: xwininfo lists the root's children from the top."""
    order = [int(w, 16) for w in
             re.findall(r"^\s+(0x[0-9a-f]+)", output("xwininfo", "-children", "-root"), re.M)]
    return order.index(top_level(upper)) < order.index(top_level(lower))


def answer_with_keys():
    """Presses 1, 2 and 3 until the riddles window goes: only the window with the keyboard hears
    them, and one of them is the right answer."""
    for key in "123":
        xdotool("key", key)
        time.sleep(2.0)
        if find(RIDDLE_TITLE, timeout=0.2) is None:
            return True
    return False


def riddle_on_top(out, name, main=None):
    """Checks that the riddle is up, above the main window, visible and answerable by keys."""
    riddle = find(RIDDLE_TITLE)
    check(riddle is not None, "%s: the riddles window is shown" % name)
    time.sleep(0.5)
    if main is not None:
        check(above(riddle, main.wid), "%s: the riddles window lies above the main window" % name)
    image = screenshot()
    image.save(os.path.join(out, name + ".png"))
    x, y, _, _ = geometry(riddle)
    # A cream spot of the riddle's own picture, left of its text.
    pixel = image.getpixel((x + 112, y + 200))
    check(all(abs(a - b) <= 12 for a, b in zip(pixel, CREAM)),
          "%s: the screen shows the riddles window (%s)" % (name, pixel))
    check(answer_with_keys(), "%s: the keys answered the riddle, and the window closed" % name)


def play(program, out, name):
    log_path = os.path.join(out, name + "-errors.txt")
    with running(program, log_path) as process:
        riddle_on_top(out, name + "-1-at-start")
        main = main_window(out, 10)
        check(all(main.face(main.shot(name + "-board"), k) is None for k in range(24)),
              "%s: all 24 cards face down" % name)
        main.click(*RIDDLE_LABEL)
        riddle_on_top(out, name + "-2-from-the-label", main)

        main.click(*OPTIONS_BUTTON)
        options = find("^Настройки$")
        check(options is not None, "%s: the options window opens" % name)
        time.sleep(0.5)
        Window(options, out, OPTIONS).click(*APPLY_PICTURES)
        riddle_on_top(out, name + "-3-rebuilt-at-start")
        main = main_window(out, 10)
        main.click(*RIDDLE_LABEL)
        riddle_on_top(out, name + "-4-rebuilt-from-the-label", main)

        close_window(main.wid)
        check_clean_end(process, log_path)


def play_with_each_manager(app, work, out):
    for manager in [None] + (["openbox"] if shutil.which("openbox") else []):
        program = copy_app(app, os.path.join(work, manager or "no-wm"), {"Kestrova.ini": SETTINGS})
        with window_manager(manager):
            play(program, out, manager or "no-wm")


if __name__ == "__main__":
    run_script(__doc__, play_with_each_manager, "the riddles window stayed above the game")

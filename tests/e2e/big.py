#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Kestrova developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the real program on a big screen, maximized, as a child at a large monitor would.

Usage: big.py APP_FOLDER OUTPUT_FOLDER
"""
# Under openbox on a 1920 x 1080 screen, with a size file that says "maximized", the window must
# come maximized, its 641 x 425 design drawn at the factor at which it fits, centred: cards at
# least 2.4 times their design size, drawn from the "@2x" pictures. Every place clicked is the
# design's place times the factor. A game is won with the mouse and its record stored under a
# typed name; the records view and the help box open over the board; F2 deals anew; F11 goes to
# full screen and Escape back to the maximized window. Until the language changes, Kestrova.ini
# is not touched; the other language's window comes maximized too and a riddle opens at the
# factor. After a restart the window is maximized.

import os
import time

from PIL import Image, ImageFilter, ImageStat

from play import (CARD_H, CARD_W, check, check_clean_end, close_window, copy_app, distance, find,
                  geometry, learn_faces, main_window, output, poll, read, run_script, running,
                  store_record, win, window_manager, xdotool)
from riddles import RIDDLE_TITLE, answer_with_keys

SETTINGS = b"optFon=0\r\noptP=0\r\nchks.Value=0\r\nLocalisation=1\r\nchkz.Value=0\r\n"
RECORDS_BUTTON, HELP_BUTTON = (165, 19), (269, 19)
VIEW_BACKGROUND = (255, 255, 192)
RUSSIAN_LABEL, RIDDLE_LABEL, RIDDLE_WIDTH = (557, 414), (374, 414), 464


def sharpness(image):
    return ImageStat.Stat(image.convert("L").filter(ImageFilter.FIND_EDGES)).mean[0]


def check_sharp_pictures(window, crops, set_folder):
    """The cards as they showed are as sharp as their pictures' "@2x" files drawn at the card's
    size, not as blurred as their normal files enlarged (their edges, summed over the board): each
    card is nearest to its picture's "@2x" file."""
    width, height = round(CARD_W * window.factor), round(CARD_H * window.factor)
    inset = round(8 * window.factor)

    def drawn(name, size):
        picture = Image.open(os.path.join(set_folder, name)).convert("RGB")
        return picture.resize((width, height), Image.BILINEAR).crop(
            (inset, inset, inset + size[0], inset + size[1]))

    seen = fine = coarse = 0.0
    for crop in crops.values():
        n = min(range(12), key=lambda n: distance(crop, drawn("%d@2x.gif" % n, crop.size)))
        seen += sharpness(crop)
        fine += sharpness(drawn("%d@2x.gif" % n, crop.size))
        coarse += sharpness(drawn("%d.gif" % n, crop.size))
    check(abs(seen - fine) < abs(seen - coarse),
          "the cards are drawn from the @2x pictures (edges %.0f; @2x %.0f, normal %.0f)"
          % (seen, fine, coarse))


def has_state(window, wanted, unwanted=None):
    """Whether the window manager's state of the window comes to hold `wanted` and not
    `unwanted`."""
    def holds(state):
        return wanted in state and not (unwanted and unwanted in state)
    return holds(poll(lambda: output("xprop", "-id", str(window.wid), "_NET_WM_STATE"), holds, 3))


def play(program, folder, out):
    ini, record_file = os.path.join(folder, "Kestrova.ini"), os.path.join(folder, "record.txt")
    log_path = os.path.join(out, "program-errors.txt")
    with running(program, log_path) as process:
        window = main_window(out)
        check(has_state(window, "MAXIMIZED_HORZ"), "the window comes maximized")
        time.sleep(0.5)
        window.measure()
        check(window.factor >= 2.4, "the cards are %.2f times their design size" % window.factor)
        check(all(window.face(window.shot("01-start"), k) is None for k in range(24)),
              "all 24 cards face down")

        # A game with the mouse, and its record.
        pairs, crops = learn_faces(window, window.click_card)
        check_sharp_pictures(window, crops, os.path.join(folder, "img0"))
        win(window, pairs, window.click_card)
        window.shot("02-won")
        store_record(window, "Mouse", record_file)

        # The records view and the help box over the board where the design puts them, at the
        # factor: a spot near the bottom of the one, near the right edge of the other.
        for button, spot, name in ((RECORDS_BUTTON, (320, 304), "records view"),
                                   (HELP_BUTTON, (480, 140), "help box")):
            window.click(*button)
            at = window.at(*spot)
            check(window.wait_for(lambda image: image.getpixel(at) == VIEW_BACKGROUND),
                  "the %s lies over the board where its design puts it" % name)
            window.shot("03-" + name.replace(" ", "-"))
            window.click(*button)

        # A new deal with F2.
        xdotool("key", "F2")
        check(window.wait_for(lambda image: all(window.face(image, k) is None for k in range(24))),
              "F2 turns every card face down")

        # Full screen and back to the maximized window.
        xdotool("key", "F11")
        check(has_state(window, "FULLSCREEN"), "F11 fills the screen")
        time.sleep(0.5)
        window.measure()
        check((window.width, window.height) == (1920, 1080), "the window covers the screen")
        window.shot("04-full-screen")
        xdotool("key", "Escape")
        check(has_state(window, "MAXIMIZED_HORZ", "FULLSCREEN"),
              "Escape gives the maximized window back")
        check(read(ini) == SETTINGS, "Kestrova.ini is unchanged by the game, F2 and the size")

        # Another language replaces the main window: the new one comes maximized too, and the
        # riddles window opens at the same factor, answered from the keys.
        window.click(*RUSSIAN_LABEL)
        time.sleep(1.0)
        window = main_window(out, 10)
        check(has_state(window, "MAXIMIZED_HORZ"), "the window of the other language is maximized")
        window.click(*RIDDLE_LABEL)
        riddle = find(RIDDLE_TITLE)
        check(riddle is not None, "the riddles window opens")
        time.sleep(0.5)
        window.shot("05-riddle")
        width = geometry(riddle)[2]
        check(abs(width - RIDDLE_WIDTH * window.factor) <= 2,
              "the riddles window is drawn at the factor (%d pixels wide)" % width)
        check(answer_with_keys(), "the keys answered the riddle")
        close_window(window.wid)
        check_clean_end(process, log_path)

    # The size comes back.
    check(read(os.path.join(folder, "Kestrova.size")).strip() == b"maximized",
          "the size file keeps the maximized window")
    with running(program, os.path.join(out, "restart-errors.txt")) as process:
        window = main_window(out)
        check(has_state(window, "MAXIMIZED_HORZ"), "after a restart the window is maximized again")
        close_window(window.wid)
        process.wait(timeout=10)


def play_maximized(app, work, out):
    folder = os.path.join(work, "app")
    program = copy_app(app, folder, {"Kestrova.ini": SETTINGS, "Kestrova.size": b"maximized\n"})
    with window_manager("openbox"):
        play(program, folder, out)


if __name__ == "__main__":
    run_script(__doc__, play_maximized, "the game played maximized as expected", ["openbox"])

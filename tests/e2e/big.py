#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Kestrova developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the real program on a big screen, maximized, as a child at a large monitor would.

Under openbox on a 1920 x 1080 screen, with a size file that says "maximized",
the window must come maximized, its content drawn at the factor at which the
641 x 425 design fits and centred: cards at least 2.4 times their design size,
drawn from the "@2x" pictures (each card on the screen is nearer its picture's
"@2x" file than its normal file, both brought to the card's size). Every place
clicked is the design's place times the factor, from the window's client area.

A whole game is won with the mouse (every card turned once to learn the pairs,
then the rest paired) and a record stored under a typed name; the records view
and the help box open over the board; F2 deals anew and a second game is won
from the keyboard alone (arrow keys and Space) and stored too. F11 goes to full
screen and Escape comes back to the maximized window. After a restart the
window is maximized again. Until the language changes, Kestrova.ini has not
been touched. The other language's window comes maximized too, and a riddle
opens at the factor.

Usage: big.py APP_FOLDER OUTPUT_FOLDER
"""

import hashlib
import os
import shutil
import subprocess
import sys
import tempfile
import time

from PIL import Image, ImageChops, ImageFilter, ImageGrab, ImageStat

from play import Failure, check, check_clean_end, end_program, close_window, xdotool
from riddles import find, geometry

DESIGN = (641, 425)
GRID_LEFT, GRID_TOP, PITCH_X, PITCH_Y = 16, 40, 104, 94
CARD_W, CARD_H = 90, 80
RECORDS_BUTTON, HELP_BUTTON = (165, 19), (269, 19)
RECORDS_VIEW = (112, 128, 417, 196)
VIEW_BACKGROUND = (255, 255, 192)
RUSSIAN_LABEL, RIDDLE_LABEL = (557, 414), (374, 414)
RIDDLE_TITLE, RIDDLE_WIDTH = "Чьи это слова", 464
SETTINGS = b"optFon=0\r\noptP=0\r\nchks.Value=0\r\nLocalisation=1\r\nchkz.Value=0\r\n"
PAUSE = 0.25


class BigWindow:
    """The main window's client area and the factor its design is drawn at."""

    def __init__(self, wid, out):
        self.wid, self.out = wid, out
        self.measure()

    def measure(self):
        self.x, self.y, self.width, self.height = geometry(self.wid)
        self.factor = min(self.width / DESIGN[0], self.height / DESIGN[1])
        self.left = self.x + (self.width - DESIGN[0] * self.factor) / 2
        self.top = self.y + (self.height - DESIGN[1] * self.factor) / 2

    def at(self, x, y):
        """The screen pixel under the design's point x, y."""
        return int(self.left + (x + 0.5) * self.factor), int(self.top + (y + 0.5) * self.factor)

    def click(self, x, y):
        sx, sy = self.at(x, y)
        xdotool("mousemove", str(sx), str(sy), "click", "1")
        time.sleep(PAUSE)

    def card_box(self, k, inset=8):
        x = GRID_LEFT + PITCH_X * (k % 6)
        y = GRID_TOP + PITCH_Y * (k // 6)
        left, top = self.at(x + inset, y + inset)
        right, bottom = self.at(x + CARD_W - inset, y + CARD_H - inset)
        return left, top, right, bottom

    def click_card(self, k):
        self.click(GRID_LEFT + PITCH_X * (k % 6) + CARD_W // 2,
                   GRID_TOP + PITCH_Y * (k // 6) + CARD_H // 2)

    def shot(self, name=None):
        image = ImageGrab.grab(xdisplay=os.environ["DISPLAY"]).convert("RGB")
        if name:
            image.save(os.path.join(self.out, name + ".png"))
        return image

    def face(self, image, k):
        """None for a face-down card (one flat colour), else a fingerprint of its picture."""
        crop = image.crop(self.card_box(k))
        if len(crop.getcolors(maxcolors=4) or range(5)) <= 2:
            return None
        return hashlib.sha1(crop.tobytes()).hexdigest()

    def wait_for(self, seen, timeout=3.0):
        """The first screenshot in which `seen` holds, or None after `timeout` seconds: a busy
        machine may take a while to paint."""
        end = time.monotonic() + timeout
        while True:
            image = self.shot()
            if seen(image):
                return image
            if time.monotonic() > end:
                return None
            time.sleep(0.1)

    def state(self, wanted=None, unwanted=None, timeout=3.0):
        """The window manager's state of the window, once it holds `wanted` and not `unwanted`
        (or at the timeout)."""
        end = time.monotonic() + timeout
        while True:
            state = subprocess.run(["xprop", "-id", str(self.wid), "_NET_WM_STATE"],
                                   capture_output=True, text=True).stdout
            if ((wanted is None or wanted in state) and (unwanted is None or unwanted not in state)
                    or time.monotonic() > end):
                return state
            time.sleep(0.1)


def distance(a, b):
    return sum(ImageStat.Stat(ImageChops.difference(a, b)).mean) / 3


def sharpness(image):
    return ImageStat.Stat(image.convert("L").filter(ImageFilter.FIND_EDGES)).mean[0]


def check_sharp_pictures(window, crops, set_folder):
    """The cards as they showed are as sharp as their pictures' "@2x" files drawn at the card's
    size, not as blurred as their normal files enlarged (their edges, summed over the board)."""
    width = round(CARD_W * window.factor)
    height = round(CARD_H * window.factor)
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


def learn_faces(window, turn):
    """Turns every card once with `turn` and notes the picture it shows while just turned; gives
    the pairs, and each card as it showed."""
    crops = {}
    for k in range(24):
        turn(k)
        image = window.wait_for(lambda image: window.face(image, k) is not None)
        check(image is not None, "card %d shows a picture when turned" % k)
        crops[k] = image.crop(window.card_box(k))
    # At a fractional factor the same picture falls on the pixels a little differently on each
    # card: two cards are a pair when each is the other's nearest picture.
    small = {k: crop.resize((36, 32), Image.BILINEAR) for k, crop in crops.items()}

    def nearest(k):
        return min((j for j in small if j != k), key=lambda j: distance(small[k], small[j]))

    pairs = {tuple(sorted((k, nearest(k)))) for k in small if nearest(nearest(k)) == k}
    check(len(pairs) == 12 and len({k for p in pairs for k in p}) == 24,
          "twelve pairs of pictures (%d told apart)" % len(pairs))
    return sorted(pairs), crops


def win(window, pairs, turn):
    """Opens every pair not open yet."""
    image = window.shot()
    for a, b in pairs:
        if window.face(image, a) is None or window.face(image, b) is None:
            turn(a)
            turn(b)
    time.sleep(1.5)


def store_record(window, name, record_file):
    xdotool("type", "--delay", "60", name)
    xdotool("key", "Return")
    end = time.monotonic() + 3
    while time.monotonic() < end:
        if os.path.exists(record_file):
            with open(record_file, "rb") as f:
                if name.encode() in f.read():
                    break
        time.sleep(0.1)
    with open(record_file, "rb") as f:
        check(name.encode() in f.read(), "the record of %s is stored" % name)


def play(program, folder, out):
    ini = os.path.join(folder, "Kestrova.ini")
    with open(ini, "rb") as f:
        settings = f.read()
    log_path = os.path.join(out, "program-errors.txt")
    log = open(log_path, "wb")
    process = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=log)
    try:
        wid = find("^Kestrova", 15)
        check(wid is not None, "the main window appears")
        time.sleep(1.5)
        window = BigWindow(wid, out)
        check("MAXIMIZED_HORZ" in window.state("MAXIMIZED_HORZ"), "the window comes maximized")
        check(window.factor >= 2.4, "the cards are %.2f times their design size" % window.factor)
        check(all(window.face(window.shot("01-start"), k) is None for k in range(24)),
              "all 24 cards face down")

        # A game with the mouse, and its record.
        pairs, crops = learn_faces(window, window.click_card)
        check_sharp_pictures(window, crops, os.path.join(folder, "img0"))
        win(window, pairs, window.click_card)
        window.shot("03-won")
        store_record(window, "Mouse", os.path.join(folder, "record.txt"))

        # The records view and the help box over the board, at the factor.
        window.click(*RECORDS_BUTTON)
        x, y, w, h = RECORDS_VIEW
        middle = window.at(x + w // 2, y + h - 20)
        check(window.wait_for(lambda image: image.getpixel(middle) == VIEW_BACKGROUND),
              "the records view lies over the board where its design puts it")
        window.shot("04-records")
        window.click(*RECORDS_BUTTON)
        window.click(*HELP_BUTTON)
        corner = window.at(480, 140)
        check(window.wait_for(lambda image: image.getpixel(corner) == VIEW_BACKGROUND),
              "the help box lies over the board where its design puts it")
        window.shot("05-help")
        window.click(*HELP_BUTTON)

        # A new deal with F2 and a game from the keyboard alone.
        xdotool("key", "F2")
        time.sleep(PAUSE)
        check(window.wait_for(lambda image: all(window.face(image, k) is None for k in range(24)))
              is not None, "F2 turns every card face down")
        position = [None]

        def key_turn(k):
            if position[0] is None:
                xdotool("key", *(["Left"] * 5 + ["Up"] * 3))
                position[0] = 0
            at = position[0]
            keys = (["Right" if k % 6 > at % 6 else "Left"] * abs(k % 6 - at % 6) +
                    ["Down" if k // 6 > at // 6 else "Up"] * abs(k // 6 - at // 6))
            if keys:
                xdotool("key", "--delay", "20", *keys)
            xdotool("key", "space")
            position[0] = k
            time.sleep(PAUSE)

        pairs, _ = learn_faces(window, key_turn)
        win(window, pairs, key_turn)
        window.shot("06-won-keys")
        store_record(window, "Keys", os.path.join(folder, "record.txt"))

        # Full screen and back to the maximized window.
        xdotool("key", "F11")
        check("FULLSCREEN" in window.state("FULLSCREEN"), "F11 fills the screen")
        time.sleep(0.5)
        window.measure()
        check(window.width == 1920 and window.height == 1080, "the window covers the screen")
        window.shot("07-full-screen")
        xdotool("key", "Escape")
        state = window.state("MAXIMIZED_HORZ", "FULLSCREEN")
        check("FULLSCREEN" not in state and "MAXIMIZED_HORZ" in state,
              "Escape gives the maximized window back")

        with open(ini, "rb") as f:
            check(f.read() == settings, "Kestrova.ini is unchanged by the games, F2 and the size")

        # Another language replaces the main window: the new one comes maximized too, and the
        # riddles window opens at the same factor, answered from the keys.
        window.click(*RUSSIAN_LABEL)
        time.sleep(1.0)
        wid = find("^Kestrova", 10)
        window = BigWindow(wid, out)
        check("MAXIMIZED_HORZ" in window.state("MAXIMIZED_HORZ"),
              "the window of the other language is maximized")
        window.click(*RIDDLE_LABEL)
        riddle = find(RIDDLE_TITLE)
        check(riddle is not None, "the riddles window opens")
        time.sleep(0.5)
        window.shot("08-riddle")
        width = geometry(riddle)[2]
        check(abs(width - RIDDLE_WIDTH * window.factor) <= 2,
              "the riddles window is drawn at the factor (%d pixels wide)" % width)
        for key in "123":
            xdotool("key", key)
            time.sleep(2.0)
            if find(RIDDLE_TITLE, timeout=0.2) is None:
                break
        check(find(RIDDLE_TITLE, timeout=0.2) is None, "the keys answered the riddle")

        close_window(wid)
        log.close()
        check_clean_end(process, log_path)
    finally:
        end_program(process, log)

    # The size comes back; the settings were never written.
    with open(os.path.join(folder, "Kestrova.size"), "rb") as f:
        check(f.read().strip() == b"maximized", "the size file keeps the maximized window")
    process = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        wid = find("^Kestrova", 15)
        time.sleep(1.5)
        check(wid is not None and "MAXIMIZED_HORZ" in BigWindow(wid, out).state("MAXIMIZED_HORZ"),
              "after a restart the window is maximized again")
        close_window(wid)
        process.wait(timeout=10)
    finally:
        end_program(process)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    app, out = sys.argv[1], sys.argv[2]
    os.makedirs(out, exist_ok=True)
    if not shutil.which("openbox"):
        print("openbox is not installed")
        sys.exit(77)
    os.environ.pop("QT_QPA_PLATFORM", None)
    with tempfile.TemporaryDirectory() as work:
        folder = os.path.join(work, "app")
        shutil.copytree(app, folder)
        for name in ("record.txt", "Kestrova.size"):
            if os.path.exists(os.path.join(folder, name)):
                os.remove(os.path.join(folder, name))
        with open(os.path.join(folder, "Kestrova.ini"), "wb") as ini:
            ini.write(SETTINGS)
        with open(os.path.join(folder, "Kestrova.size"), "wb") as size:
            size.write(b"maximized\n")
        os.environ["HOME"] = os.path.join(work, "home")
        wm = subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(1.0)
        try:
            play(os.path.join(folder, "kestrova"), folder, out)
        except Failure as failure:
            print("FAIL:", failure, "(screenshots in %s)" % out)
            sys.exit(1)
        finally:
            wm.terminate()
            wm.wait()
    print("the game played maximized as expected; screenshots in", out)


if __name__ == "__main__":
    main()

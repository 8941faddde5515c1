#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Kestrova developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The riddles window stays above the game, with and without a window manager.

Runs the real program from a copy of the built application folder on the X display of
$DISPLAY (run under xvfb-run), in Russian with a riddle at start, first with no window
manager and then under openbox when it is installed. On every path that opens a riddle
(at start, from the "Загадка" label, and at the start of the main window that "Apply" under
the pictures builds anew) it reads the real stacking order of the X server and checks that
the riddles window lies above the main window, that a screenshot shows it there, and that it
has the keyboard: the riddle is answered with the keys 1, 2 and 3 alone.

Usage: riddles.py APP_FOLDER OUTPUT_FOLDER
"""

import ctypes
import os
import shutil
import subprocess
import sys
import tempfile
import time

from PIL import ImageGrab

from play import Failure, check, check_clean_end, end_program, close_window, xdotool

RIDDLE_TITLE = "Чьи это слова"
RIDDLE_LABEL = (329, 406, 90, 16)
OPTIONS_BUTTON = (328, 7, 90, 25)
# Apply under the pictures, in the options window, which opens 327 x 56 px from the main
# window's frame corner.
APPLY_PICTURES = (128, 216, 89, 25)
CREAM = (255, 248, 225)


class X:
    """The few Xlib calls that tell where windows are and how they are stacked."""

    def __init__(self):
        self.lib = ctypes.cdll.LoadLibrary("libX11.so.6")
        self.lib.XOpenDisplay.restype = ctypes.c_void_p
        self.lib.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.lib.XDefaultRootWindow.restype = ctypes.c_ulong
        self.lib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.lib.XQueryTree.argtypes = [
            ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
            ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
            ctypes.POINTER(ctypes.c_uint)]
        self.lib.XFree.argtypes = [ctypes.c_void_p]
        self.display = self.lib.XOpenDisplay(None)
        if not self.display:
            raise Failure("cannot open the X display")
        self.root = self.lib.XDefaultRootWindow(self.display)

    def tree(self, window):
        root, parent = ctypes.c_ulong(), ctypes.c_ulong()
        children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
        if not self.lib.XQueryTree(self.display, window, ctypes.byref(root), ctypes.byref(parent),
                                   ctypes.byref(children), ctypes.byref(count)):
            raise Failure("the window %#x has gone" % window)
        result = [children[i] for i in range(count.value)]
        if children:
            self.lib.XFree(children)
        return parent.value, result

    def top_level(self, window):
        """The child of the root that holds the window: itself, or a window manager's frame."""
        while True:
            parent, _ = self.tree(window)
            if parent == self.root:
                return window
            window = parent

    def above(self, upper, lower):
        """Whether `upper` is stacked above `lower` (the root's children, bottom to top)."""
        _, order = self.tree(self.root)
        return order.index(self.top_level(upper)) > order.index(self.top_level(lower))


def find(name, timeout=10):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        found = xdotool("search", "--onlyvisible", "--name", name)
        if found:
            return int(found.split()[0])
        time.sleep(0.1)
    return None


def geometry(window):
    """The window's client area: left, top, width, height on the screen."""
    info = subprocess.run(["xwininfo", "-id", str(window)], capture_output=True,
                          text=True).stdout
    values = {}
    for line in info.splitlines():
        key, _, value = line.strip().partition(":")
        values[key] = value.strip()
    return (int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"]),
            int(values["Width"]), int(values["Height"]))


def click(window, box):
    x, y, _, _ = geometry(window)
    left, top, width, height = box
    xdotool("mousemove", str(x + left + width // 2), str(y + top + height // 2), "click", "1")


def riddle_on_top(x11, out, name, main=None):
    """Checks that the riddle is up, above the main window, visible and answerable by keys."""
    riddle = find(RIDDLE_TITLE)
    check(riddle is not None, "%s: the riddles window is shown" % name)
    time.sleep(0.5)
    if main is not None:
        check(x11.above(riddle, main), "%s: the riddles window lies above the main window" % name)
    image = ImageGrab.grab(xdisplay=os.environ["DISPLAY"]).convert("RGB")
    image.save(os.path.join(out, name + ".png"))
    x, y, _, _ = geometry(riddle)
    # A cream spot of the riddle's own picture, left of its text.
    pixel = image.getpixel((x + 112, y + 200))
    check(all(abs(a - b) <= 12 for a, b in zip(pixel, CREAM)),
          "%s: the screen shows the riddles window (%s)" % (name, pixel))
    # Only the window with the keyboard hears the keys: one of them is the right answer.
    for key in "123":
        xdotool("key", key)
        time.sleep(2.0)
        if find(RIDDLE_TITLE, timeout=0.2) is None:
            break
    check(find(RIDDLE_TITLE, timeout=0.2) is None,
          "%s: the keys answered the riddle, and the window closed" % name)


def play(program, out, name):
    x11 = X()
    log_path = os.path.join(out, name + "-errors.txt")
    log = open(log_path, "wb")
    process = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=log)
    try:
        riddle_on_top(x11, out, name + "-1-at-start")
        main = find("^Kestrova")
        check(main is not None, "%s: the main window comes after the riddle" % name)
        time.sleep(0.5)
        click(main, RIDDLE_LABEL)
        riddle_on_top(x11, out, name + "-2-from-the-label", main)

        click(main, OPTIONS_BUTTON)
        options = find("^Настройки$")
        check(options is not None, "%s: the options window opens" % name)
        time.sleep(0.5)
        click(options, APPLY_PICTURES)
        riddle_on_top(x11, out, name + "-3-rebuilt-at-start")
        main = find("^Kestrova")
        time.sleep(0.5)
        click(main, RIDDLE_LABEL)
        riddle_on_top(x11, out, name + "-4-rebuilt-from-the-label", main)

        close_window(main)
        check_clean_end(process, log_path)
    finally:
        end_program(process, log)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    app, out = sys.argv[1], sys.argv[2]
    os.makedirs(out, exist_ok=True)
    os.environ.pop("QT_QPA_PLATFORM", None)
    with tempfile.TemporaryDirectory() as work:
        folder = os.path.join(work, "app")
        shutil.copytree(app, folder)
        os.environ["HOME"] = os.path.join(work, "home")
        managers = [None] + (["openbox"] if shutil.which("openbox") else [])
        try:
            for manager in managers:
                with open(os.path.join(folder, "Kestrova.ini"), "wb") as ini:
                    ini.write(b"optFon=0\r\noptP=0\r\nchks.Value=1\r\nLocalisation=0\r\n"
                              b"chkz.Value=1\r\n")
                wm = None
                if manager:
                    wm = subprocess.Popen([manager], stdout=subprocess.DEVNULL,
                                          stderr=subprocess.DEVNULL)
                    time.sleep(1.0)
                try:
                    play(os.path.join(folder, "kestrova"), out, manager or "no-wm")
                finally:
                    if wm:
                        wm.terminate()
                        wm.wait()
        except Failure as failure:
            print("FAIL:", failure, "(screenshots in %s)" % out)
            sys.exit(1)
    print("the riddles window stayed above the game; screenshots in", out)


if __name__ == "__main__":
    main()

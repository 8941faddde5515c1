#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Kestrova developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the real program through its window, as a player would.

Copies the built application folder into a temporary folder, starts the program
there on the X display of $DISPLAY (run under xvfb-run), clicks cards with
xdotool, looks at screenshots, and checks what a player sees: every card face
down at the start, a turned card showing its picture, a pair that stays open,
a non-matching card turning back, the clock counting; then closes the window
the way a window manager does and expects the program to end cleanly.

Screenshots and the program's error output are left in the output folder for a
person to look at.

Usage: play.py APP_FOLDER OUTPUT_FOLDER
"""

import ctypes
import hashlib
import os
import shutil
import subprocess
import sys
import tempfile
import time

from PIL import ImageGrab

GRID_LEFT, GRID_TOP, PITCH_X, PITCH_Y = 16, 40, 104, 94
CARD_W, CARD_H = 90, 80
TIME_LABEL = (536, 7, 90, 25)


class Failure(Exception):
    pass


def check(condition, what):
    if not condition:
        raise Failure(what)
    print("ok:", what)


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout.strip()


def find_window(timeout):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        found = xdotool("search", "--onlyvisible", "--name", "^Kestrova")
        if found:
            return int(found.split()[0])
        time.sleep(0.1)
    raise Failure("the main window did not appear within %d s" % timeout)


class Window:
    def __init__(self, wid, out):
        self.wid = wid
        self.out = out
        geometry = xdotool("getwindowgeometry", str(wid))
        x, y = geometry.split("Position: ")[1].split(" ")[0].split(",")
        self.x, self.y = int(x), int(y)

    def shot(self, name):
        image = ImageGrab.grab(xdisplay=os.environ["DISPLAY"]).convert("RGB")
        image.save(os.path.join(self.out, name + ".png"))
        return image

    def card_box(self, k):
        left = self.x + GRID_LEFT + PITCH_X * (k % 6)
        top = self.y + GRID_TOP + PITCH_Y * (k // 6)
        # Inside the keyboard's focus ring, which lies over the card's edge.
        return (left + 8, top + 8, left + CARD_W - 8, top + CARD_H - 8)

    def click_card(self, k):
        left, top, right, bottom = self.card_box(k)
        xdotool("mousemove", str((left + right) // 2), str((top + bottom) // 2), "click", "1")
        time.sleep(0.15)

    def face(self, image, k):
        """None for a face-down card (one flat colour), else a fingerprint of its picture."""
        crop = image.crop(self.card_box(k))
        if len(crop.getcolors(maxcolors=4) or range(5)) <= 2:
            return None
        return hashlib.sha1(crop.tobytes()).hexdigest()

    def clock(self, image):
        x, y, w, h = TIME_LABEL
        return image.crop((self.x + x, self.y + y, self.x + x + w, self.y + y + h)).tobytes()


def close_window(wid):
    """Asks the window to close, as a window manager's close button does (WM_DELETE_WINDOW)."""
    xlib = ctypes.cdll.LoadLibrary("libX11.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XInternAtom.restype = ctypes.c_ulong
    xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    xlib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                                ctypes.c_void_p]
    xlib.XFlush.argtypes = [ctypes.c_void_p]
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]

    class ClientMessage(ctypes.Structure):
        _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                    ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                    ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                    ("format", ctypes.c_int), ("data", ctypes.c_long * 5),
                    ("pad", ctypes.c_long * 12)]

    display = xlib.XOpenDisplay(None)
    if not display:
        raise Failure("cannot open the X display")
    event = ClientMessage()
    event.type = 33  # ClientMessage
    event.window = wid
    event.message_type = xlib.XInternAtom(display, b"WM_PROTOCOLS", 0)
    event.format = 32
    event.data[0] = xlib.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
    event.data[1] = 0  # CurrentTime
    xlib.XSendEvent(display, wid, 0, 0, ctypes.byref(event))
    xlib.XFlush(display)
    xlib.XCloseDisplay(display)


def end_program(process, log=None):
    """Kills the program if it is still running (a check failed before it was closed), and
    closes its error log."""
    if process.poll() is None:
        process.kill()
        process.wait()
    if log:
        log.close()


def check_clean_end(process, log_path):
    """Waits for the program, whose window was asked to close, and checks that it ended cleanly
    with no sanitizer report on its error stream (kept in log_path)."""
    try:
        status = process.wait(timeout=10)
    except subprocess.TimeoutExpired:
        raise Failure("the program did not end within 10 s of its window being closed")
    with open(log_path, "rb") as f:
        errors = f.read().decode(errors="replace")
    if status != 0:
        print(errors[-4000:])
    check(status == 0, "the program ended cleanly after its window closed (status %d)" % status)
    check("runtime error" not in errors and "Sanitizer" not in errors,
          "no sanitizer report on the error stream")


def play(program, out):
    log_path = os.path.join(out, "program-errors.txt")
    log = open(log_path, "wb")
    process = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=log)
    try:
        window = Window(find_window(15), out)
        time.sleep(1.0)
        start = window.shot("01-start")
        check(all(window.face(start, k) is None for k in range(24)), "all 24 cards face down")

        # Turn every card once, in order: each shows a picture while it is the one just turned.
        faces = {}
        for k in range(24):
            window.click_card(k)
            image = window.shot("02-turned") if k == 0 else window.shot("tmp")
            faces[k] = window.face(image, k)
            check(faces[k] is not None, "card %d shows a picture when turned" % k)
        os.remove(os.path.join(out, "tmp.png"))
        groups = {}
        for k, face in faces.items():
            groups.setdefault(face, []).append(k)
        pairs = [g for g in groups.values() if len(g) == 2]
        check(len(pairs) == 12, "twelve pairs of pictures (%d told apart)" % len(pairs))

        # A pair found stays open; a card that does not match turns back at the next click.
        before = window.shot("tmp")
        os.remove(os.path.join(out, "tmp.png"))
        open_cards = {k for k in range(24) if window.face(before, k) is not None}
        a, b = next(p for p in pairs if not set(p) & open_cards)
        window.click_card(a)
        window.click_card(b)
        others = [k for k in range(24) if k not in (a, b) and k not in open_cards]
        c, d = next((c, d) for c in others for d in others
                    if c != d and faces[c] != faces[d])
        window.click_card(c)
        window.click_card(d)
        image = window.shot("03-pair-open")
        check(window.face(image, a) and window.face(image, b), "the pair %d/%d stays open" % (a, b))
        check(window.face(image, c) is None, "card %d turned back after a mismatch" % c)
        check(window.face(image, d) is not None, "card %d stays up" % d)

        first = window.clock(window.shot("04-clock"))
        time.sleep(2.2)
        check(window.clock(window.shot("05-clock")) != first, "the clock label changes")

        close_window(window.wid)
        log.close()
        check_clean_end(process, log_path)
    finally:
        end_program(process, log)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    app, out = sys.argv[1], sys.argv[2]
    os.makedirs(out, exist_ok=True)
    with tempfile.TemporaryDirectory() as work:
        folder = os.path.join(work, "app")
        shutil.copytree(app, folder)
        for name in ("record.txt", "Kestrova.ini"):
            if os.path.exists(os.path.join(folder, name)):
                os.remove(os.path.join(folder, name))
        os.environ["HOME"] = os.path.join(work, "home")
        os.environ.pop("QT_QPA_PLATFORM", None)
        try:
            play(os.path.join(folder, "kestrova"), out)
        except Failure as failure:
            print("FAIL:", failure, "(screenshots in %s)" % out)
            sys.exit(1)
    print("the game played as expected; screenshots in", out)


if __name__ == "__main__":
    main()

# SPDX-FileCopyrightText: 2026 Kestrova developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the end-to-end scripts share: playing the real program through its window, as a player
would."""
# Each script copies the built application folder into a temporary folder, starts the program
# there on the X display of $DISPLAY (run under xvfb-run), drives it with xdotool and looks at
# screenshots, which it leaves in the output folder for a person to look at, with the program's
# error output.

import contextlib
import ctypes
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import time

from PIL import Image, ImageChops, ImageGrab, ImageStat

DESIGN = (641, 425)
GRID_LEFT, GRID_TOP, PITCH_X, PITCH_Y = 16, 40, 104, 94
CARD_W, CARD_H = 90, 80


class Failure(Exception):
    pass


def check(condition, what):
    if not condition:
        raise Failure(what)
    print("ok:", what)


def output(*args):
    return subprocess.run(args, capture_output=True, text=True).stdout


def xdotool(*args):
    return output("xdotool", *args).strip()


def poll(get, ok, timeout):
    """The first value of get() for which ok() holds, or the last one after `timeout` seconds."""
    end = time.monotonic() + timeout
    while not ok(value := get()) and time.monotonic() < end:
        time.sleep(0.1)
    return value


def find(name, timeout=10):
    """The first visible window whose name matches, or None after `timeout` seconds."""
    found = poll(lambda: xdotool("search", "--onlyvisible", "--name", name), bool, timeout)
    return int(found.split()[0]) if found else None


def geometry(window):
    """The window's client area: left, top, width, height on the screen."""
    info = output("xwininfo", "-id", str(window))
    return tuple(int(re.search(key + r":\s+(-?\d+)", info).group(1))
                 for key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))


def screenshot():
    return ImageGrab.grab(xdisplay=os.environ["DISPLAY"]).convert("RGB")


class Window:
    """A window's client area and the factor its design is drawn at, centred."""

    def __init__(self, wid, out, design=DESIGN):
        self.wid, self.out, self.design = wid, out, design
        self.measure()

    def measure(self):
        self.x, self.y, self.width, self.height = geometry(self.wid)
        self.factor = min(self.width / self.design[0], self.height / self.design[1])
        self.left = self.x + (self.width - self.design[0] * self.factor) / 2
        self.top = self.y + (self.height - self.design[1] * self.factor) / 2

    def at(self, x, y):
        """The screen pixel under the design's point x, y."""
        return int(self.left + (x + 0.5) * self.factor), int(self.top + (y + 0.5) * self.factor)

    def click(self, x, y):
        xdotool("mousemove", *map(str, self.at(x, y)), "click", "1")
        time.sleep(0.25)

    def card_box(self, k, inset=8):
        """Card k inside the keyboard's focus ring, which lies over the card's edge."""
        x, y = GRID_LEFT + PITCH_X * (k % 6), GRID_TOP + PITCH_Y * (k // 6)
        return self.at(x + inset, y + inset) + self.at(x + CARD_W - inset, y + CARD_H - inset)

    def card_point(self, k):
        """The design's point in the middle of card k."""
        return (GRID_LEFT + PITCH_X * (k % 6) + CARD_W // 2,
                GRID_TOP + PITCH_Y * (k // 6) + CARD_H // 2)

    def click_card(self, k):
        self.click(*self.card_point(k))

    def shot(self, name=None):
        image = screenshot()
        if name:
            image.save(os.path.join(self.out, name + ".png"))
        return image

    def face(self, image, k):
        """None for a face-down card (one flat colour), else the picture it shows."""
        crop = image.crop(self.card_box(k))
        return crop.tobytes() if len(crop.getcolors(maxcolors=4) or range(5)) > 2 else None

    def wait_for(self, seen, timeout=3.0):
        """The first screenshot in which `seen` holds, or None after `timeout` seconds."""
        image = poll(self.shot, seen, timeout)
        return image if seen(image) else None


def main_window(out, timeout=15):
    wid = find("^Kestrova", timeout)
    check(wid is not None, "the main window appears")
    time.sleep(1.0)
    return Window(wid, out)


def distance(a, b):
    return sum(ImageStat.Stat(ImageChops.difference(a, b)).mean) / 3


def learn_faces(window, turn):
    """Turns every card once with `turn`: the pairs, and each card as it showed when turned."""
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
    check(poll(lambda: os.path.exists(record_file) and name.encode() in read(record_file), bool, 3),
          "the record of %s is stored" % name)


def read(path):
    return pathlib.Path(path).read_bytes()


def close_window(wid):
    """Asks the window to close, as a window manager's close button does (WM_DELETE_WINDOW)."""

    class ClientMessage(ctypes.Structure):
        _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                    ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                    ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                    ("format", ctypes.c_int), ("data", ctypes.c_long * 5),
                    ("pad", ctypes.c_long * 12)]

    xlib = ctypes.cdll.LoadLibrary("libX11.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XInternAtom.restype = ctypes.c_ulong
    display = ctypes.c_void_p(xlib.XOpenDisplay(None))
    if not display.value:
        raise Failure("cannot open the X display")
    protocols, delete = (xlib.XInternAtom(display, name, 0)
                         for name in (b"WM_PROTOCOLS", b"WM_DELETE_WINDOW"))
    # 33 is ClientMessage; the second datum, the time, is 0: CurrentTime.
    event = ClientMessage(type=33, window=wid, message_type=protocols, format=32)
    event.data[0] = delete
    xlib.XSendEvent(display, ctypes.c_ulong(wid), 0, ctypes.c_long(0), ctypes.byref(event))
    xlib.XFlush(display)
    xlib.XCloseDisplay(display)


def end_program(process, log=None):
    """Kills a program that still runs (a check failed before it was closed); closes its log."""
    if process.poll() is None:
        process.kill()
        process.wait()
    if log:
        log.close()


@contextlib.contextmanager
def running(program, log_path, env=None, preexec=None):
    """The program, its error output kept in log_path; killed at the end if it still runs."""
    with open(log_path, "wb") as log:
        process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=log,
                                   preexec_fn=preexec)
    try:
        yield process
    finally:
        end_program(process)


@contextlib.contextmanager
def window_manager(name):
    """A window manager running on the display, or none for `name` None."""
    wm = name and subprocess.Popen([name], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1.0 if wm else 0)
    try:
        yield
    finally:
        if wm:
            end_program(wm)


def check_clean_end(process, log_path):
    """Checks that the program, asked to close, ends cleanly with no sanitizer report."""
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


def copy_app(app, folder, files=None):
    """The program in a copy of `app` without the files the game writes, with `files` in it."""
    shutil.copytree(app, folder)
    for name in ("Kestrova.ini", "record.txt", "Kestrova.size"):
        with contextlib.suppress(FileNotFoundError):
            os.remove(os.path.join(folder, name))
    for name, data in (files or {}).items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
    return os.path.join(folder, "kestrova")


def run_script(doc, body, done, needs=()):
    """Runs body(app, work, out) for SCRIPT APP_FOLDER OUTPUT_FOLDER, HOME in the temporary `work`;
    exits with 77 (skipped) when a program of `needs` is not installed."""
    if len(sys.argv) != 3:
        sys.exit(doc)
    app, out = sys.argv[1], sys.argv[2]
    missing = [tool for tool in needs if not shutil.which(tool)]
    if missing:
        print("SKIP: not installed:", " ".join(missing))
        sys.exit(77)
    os.makedirs(out, exist_ok=True)
    os.environ.pop("QT_QPA_PLATFORM", None)
    with tempfile.TemporaryDirectory() as work:
        os.environ["HOME"] = os.path.join(work, "home")
        try:
            body(app, work, out)
        except Failure as failure:
            print("FAIL:", failure, "(screenshots and logs in %s)" % out)
            sys.exit(1)
    print(done + "; screenshots and logs in", out)

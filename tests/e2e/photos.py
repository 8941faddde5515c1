#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Kestrova developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes a picture set from a family's photos through the real window, and plays it.

Usage: photos.py APP_FOLDER OUTPUT_FOLDER
"""
# Writes fifteen photos of mixed sizes and orientations into a folder named "Summer 2026"; five of
# them are stored on their side with an EXIF orientation that turns them upright. Through the
# options window and Qt's folder chooser, driven from the keyboard (the folder's path typed, Enter
# until the chooser takes it), "Photos…" makes the chosen set from it, and "Apply" deals it. Every
# card must show one of the photos as the game should cut it (upright, its 9 : 8 middle), the
# photos stored on their side among them. A game is won on the set and its record names the set
# "Summer 20" (the folder's name, cut to its button). After a restart the set is still dealt;
# "Restore" brings back the shipped set, and a folder of eleven photos is refused with a message
# and writes nothing. The files shipped in the application folder are unchanged.

import hashlib
import os
import random
import shutil
import time

from PIL import Image, ImageDraw, ImageOps

from play import (check, check_clean_end, close_window, copy_app, distance, find, geometry,
                  learn_faces, main_window, read, run_script, running, store_record, win, xdotool)

SETTINGS = b"optFon=0\r\noptP=0\r\nchks.Value=0\r\nLocalisation=1\r\nchkz.Value=0\r\n"
OPTIONS_BUTTON = (373, 19)
# In the options window.
PHOTOS_BUTTON, RESTORE_BUTTON = (151, 208), (198, 208)
APPLY_PICTURES, OK_BUTTON = (172, 228), (264, 236)
CHOOSER_TITLE = "^A folder of photos$"


def make_photos(folder, count, turned):
    """`count` photos, each a coloured oval on a field with a red band along its top; the first
    `turned` are stored on their side, with an EXIF orientation that turns them upright."""
    os.makedirs(folder)
    rng = random.Random(7)
    upright = {}
    for n in range(count):
        w, h = rng.choice([(1600, 900), (900, 1200), (1200, 900), (640, 640), (3000, 2000)])
        image = Image.new("RGB", (w, h), tuple(rng.randrange(40, 230) for _ in range(3)))
        draw = ImageDraw.Draw(image)
        draw.ellipse((w // 4, h // 4, 3 * w // 4, 3 * h // 4),
                     fill=tuple(rng.randrange(0, 255) for _ in range(3)))
        draw.rectangle((0, 0, w, h // 10), fill=(255, 0, 0))
        # A camera writes JPEG: the photos on their side are JPEGs, the others JPEG or PNG.
        jpeg = n < turned or n % 2 == 0
        name = os.path.join(folder, "photo%02d.%s" % (n, "jpg" if jpeg else "png"))
        if n < turned:
            exif = Image.Exif()
            exif[0x0112] = 6  # turn 90 degrees clockwise to show
            image.rotate(90, expand=True).save(name, quality=92, exif=exif)
        else:
            image.save(name, quality=92)
        upright[n] = image
    return upright


def as_card(image):
    """The photo as the game should show it on a card: its 9 : 8 middle at 90 x 80."""
    return ImageOps.fit(image, (90, 80), Image.BILINEAR)


def hashes(folder):
    """Every file shipped in the application folder, by its digest."""
    found = {}
    for root, dirs, files in os.walk(folder):
        dirs[:] = [d for d in dirs if d != "photos"]
        for name in files:
            path = os.path.join(root, name)
            if name not in ("Kestrova.ini", "record.txt", "Kestrova.size"):
                found[os.path.relpath(path, folder)] = hashlib.sha256(read(path)).hexdigest()
    return found


def click_in(window, point):
    x, y, _, _ = geometry(window)
    xdotool("mousemove", str(x + point[0]), str(y + point[1]), "click", "1")
    time.sleep(0.3)


def choose_folder(options, folder):
    """Presses "Photos…", chooses `folder` in the chooser from the keyboard, and closes the
    message that tells how it went once the photos are read."""
    click_in(options, PHOTOS_BUTTON)
    check(find(CHOOSER_TITLE) is not None, "the folder chooser opens")
    xdotool("type", "--delay", "20", folder)
    # Enter takes the path the chooser completed, or goes into the folder and then chooses it.
    for _ in range(3):
        xdotool("key", "Return")
        if find(CHOOSER_TITLE, 1) is None:
            break
    check(find(CHOOSER_TITLE, 0) is None, "the chooser takes the folder")
    # A stray Enter does not stop the import; the message comes when the photos are read.
    time.sleep(2.0)
    xdotool("key", "Return")
    time.sleep(0.5)


def open_options(window):
    window.click(*OPTIONS_BUTTON)
    options = find("^Options$")
    check(options is not None, "the options window opens")
    time.sleep(0.5)
    return options


def make_and_play(program, folder, work, out, upright):
    record_file = os.path.join(folder, "record.txt")
    with running(program, os.path.join(out, "program-errors-1.txt")) as process:
        window = main_window(out)
        options = open_options(window)
        choose_folder(options, os.path.join(work, "Summer 2026"))
        check(os.path.exists(os.path.join(folder, "photos", "img0", "11@2x.gif")),
              "the photo set is written beside the settings")
        click_in(options, APPLY_PICTURES)
        time.sleep(2.0)
        window = main_window(out)
        pairs, crops = learn_faces(window, window.click_card)
        cards = {n: as_card(image).crop((8, 8, 82, 72)) for n, image in upright.items()}
        shown = set()
        for k, crop in crops.items():
            n = min(cards, key=lambda n: distance(crop, cards[n]))
            check(distance(crop, cards[n]) <= 12, "card %d shows a photo as cut upright" % k)
            shown.add(n)
        check(len(shown) == 12, "the cards show twelve of the photos, upright and cut to the card")
        check(shown & {0, 1, 2, 3, 4}, "photos stored on their side show upright")
        win(window, pairs, window.click_card)
        window.shot("02-won")
        store_record(window, "Photo fan", record_file)
        check(b"Summer 20" in read(record_file), "the record names the set after the folder")
        close_window(window.wid)
        check_clean_end(process, os.path.join(out, "program-errors-1.txt"))
    return cards


def restart_and_restore(program, folder, work, out, cards):
    with running(program, os.path.join(out, "program-errors-2.txt")) as process:
        window = main_window(out)
        window.click_card(0)
        image = window.wait_for(lambda image: window.face(image, 0) is not None)
        check(image is not None, "a card turns after a restart")
        crop = image.crop(window.card_box(0))
        check(min(distance(crop, c) for c in cards.values()) <= 12,
              "after a restart the photo set is still dealt")
        options = open_options(window)
        choose_folder(options, os.path.join(work, "Too few"))
        window.shot("04-too-few")
        check(os.path.exists(os.path.join(folder, "photos", "img0", "setname.txt")),
              "a folder of eleven photos leaves the set as it was")
        click_in(options, RESTORE_BUTTON)
        check(not os.path.exists(os.path.join(folder, "photos", "img0")),
              "Restore removes the photo set")
        click_in(options, OK_BUTTON)
        close_window(window.wid)
        check_clean_end(process, os.path.join(out, "program-errors-2.txt"))


def photos(app, work, out):
    folder = os.path.join(work, "app")
    program = copy_app(app, folder, {"Kestrova.ini": SETTINGS})
    shutil.rmtree(os.path.join(folder, "photos"), ignore_errors=True)
    shipped = hashes(folder)
    upright = make_photos(os.path.join(work, "Summer 2026"), 15, 5)
    make_photos(os.path.join(work, "Too few"), 11, 0)
    cards = make_and_play(program, folder, work, out, upright)
    restart_and_restore(program, folder, work, out, cards)
    check(hashes(folder) == shipped, "the files shipped with the game are unchanged")


if __name__ == "__main__":
    run_script(__doc__, photos, "the photo set was made and played as expected")

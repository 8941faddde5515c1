#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Kestrova developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draw the records view's small icons into src/records/icons.

Eight 16 x 16 RGBA PNG files with a transparent background, 1.png .. 8.png,
and the same icons at 32 x 32 for high-DPI screens, 1@2x.png .. 8@2x.png:

    1 child's face   2 clock          3 picture with a pencil   4 boy's face
    5 girl's face    6 crystal ball   7 dog                     8 calendar page

Each icon is an emoji rendered big, cropped to its ink and fitted into the
square, keeping its shape and centred.  Icon 3 is made of two emoji:
a framed picture with a pencil drawing on it at the lower right.

The output is deterministic: running the script again produces the same bytes.

Usage: /usr/bin/python3 tools/make_icons.py [output-dir] [--sheet out.png]
"""

import os
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont

from make_pictures import split_sheet_arg

SIZE = 16
SCALES = (1, 2)           # "N.png" and "N@2x.png"
EMOJI_FONT = "/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf"

BABY = "\U0001F476"       # Noto's "child" looks just like its boy at 16 px
CLOCK = "\u23F0"          # alarm clock: the bells make it a clock at 16 px
FRAMED_PICTURE = "\U0001F5BC"
PENCIL = "\u270F"
BOY = "\U0001F466"
GIRL = "\U0001F467"
CRYSTAL_BALL = "\U0001F52E"
DOG = "\U0001F436"        # the face reads better than the whole dog
CALENDAR = "\U0001F4C6"   # tear-off calendar page

PENCIL_LENGTH = 0.7       # the pencil's size against the picture's
PENCIL_OVERHANG = 18      # how far it sticks out past the frame, in font pixels
PENCIL_HALO = 8           # white rim that parts the pencil from the frame


def glyph(ch, font):
    """One emoji at the font's native size, cropped to its ink."""
    im = Image.new("RGBA", (160, 160), (0, 0, 0, 0))
    ImageDraw.Draw(im).text((10, 10), ch, font=font, embedded_color=True)
    bbox = im.getbbox()
    assert bbox, "emoji U+%04X did not render" % ord(ch[0])
    return im.crop(bbox)


def picture_with_pencil(font):
    """The framed picture, and a pencil drawing on its lower right part.

    The pencil is turned so its tip points into the picture and its end
    sticks out past the frame's corner.  A white rim, drawn only over the
    picture, keeps the yellow pencil apart from the golden frame.
    """
    pic = glyph(FRAMED_PICTURE, font)
    pencil = glyph(PENCIL, font).rotate(180)
    scale = PENCIL_LENGTH * pic.width / max(pencil.size)
    pencil = pencil.resize((round(pencil.width * scale), round(pencil.height * scale)),
                           Image.LANCZOS)

    side = max(pic.size) + PENCIL_OVERHANG + PENCIL_HALO
    canvas = Image.new("RGBA", (side, side), (0, 0, 0, 0))
    canvas.alpha_composite(pic, (0, 0))
    at = (side - PENCIL_HALO - pencil.width, side - PENCIL_HALO - pencil.height)

    ink = Image.new("L", (side, side), 0)
    ink.paste(pencil.getchannel("A").point(lambda v: 255 if v > 40 else 0), at)
    halo = ink.filter(ImageFilter.MaxFilter(2 * PENCIL_HALO + 1))
    on_picture = Image.new("L", (side, side), 0)
    on_picture.paste(pic.getchannel("A"), (0, 0))
    halo = Image.composite(halo, Image.new("L", (side, side), 0), on_picture)
    canvas.paste((255, 255, 255, 255), (0, 0), halo)

    canvas.alpha_composite(pencil, at)
    return canvas.crop(canvas.getbbox())


def fit(im, side):
    """Scale to fit a square of side pixels, keeping the shape, and centre it."""
    scale = side / max(im.size)
    size = (max(1, round(im.width * scale)), max(1, round(im.height * scale)))
    small = im.resize(size, Image.LANCZOS)
    icon = Image.new("RGBA", (side, side), (0, 0, 0, 0))
    icon.alpha_composite(small, ((side - size[0]) // 2, (side - size[1]) // 2))
    return icon


def contact_sheet(out, count, path):
    """The written icons, eight times enlarged, on a light and a dark strip."""
    zoom, gap = 8, 8
    cell = SIZE * zoom + gap
    sheet = Image.new("RGBA", (count * cell + gap, 2 * cell + gap + SIZE + gap),
                      (255, 255, 255, 255))
    ImageDraw.Draw(sheet).rectangle((0, cell + gap // 2, sheet.width, 2 * cell + gap // 2),
                                    fill=(60, 60, 60, 255))
    for i in range(count):
        with Image.open(os.path.join(out, "%d.png" % (i + 1))) as f:
            icon = f.convert("RGBA")
        big = icon.resize((SIZE * zoom, SIZE * zoom), Image.NEAREST)
        sheet.alpha_composite(big, (gap + i * cell, gap))
        sheet.alpha_composite(big, (gap + i * cell, cell + gap))
        sheet.alpha_composite(icon, (gap + i * cell, 2 * cell + gap))
    sheet.save(path)


def main():
    args, sheet = split_sheet_arg(sys.argv[1:])
    here = os.path.dirname(os.path.abspath(__file__))
    out = args[0] if args else os.path.join(here, "..", "src", "records", "icons")

    font = ImageFont.truetype(EMOJI_FONT, 109)   # bitmap font: 109 px only
    pictures = [
        glyph(BABY, font),
        glyph(CLOCK, font),
        picture_with_pencil(font),
        glyph(BOY, font),
        glyph(GIRL, font),
        glyph(CRYSTAL_BALL, font),
        glyph(DOG, font),
        glyph(CALENDAR, font),
    ]

    os.makedirs(out, exist_ok=True)
    for scale in SCALES:
        side = SIZE * scale
        suffix = "" if scale == 1 else "@%dx" % scale
        for n, picture in enumerate(pictures, start=1):
            assert max(picture.size) > side, "icon %d would be enlarged" % n
            icon = fit(picture, side)
            assert icon.size == (side, side) and icon.mode == "RGBA"
            # no text chunks, no time stamp: the same icon gives the same bytes
            icon.save(os.path.join(out, "%d%s.png" % (n, suffix)), format="PNG", optimize=False)

    if sheet:
        contact_sheet(out, len(pictures), sheet)


if __name__ == "__main__":
    main()

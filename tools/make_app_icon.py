#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Kestrova developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draw Kestrova's application icon into packaging/icons.

Two playing cards, slightly fanned: behind, a card lying face down (a blue
back with a white rim and a diamond pattern); in front, a card turned face up
(cream) showing a fox.  RGBA PNG files with a transparent background, in the
hicolor theme's layout:

    <output-dir>/<N>x<N>/apps/org.kestrova.Kestrova.png
    N = 16, 22, 24, 32, 48, 64, 128, 256, 512

Every size is drawn at 1024 pixels or more and scaled down.  Below 48 pixels
the icon is simplified so it stays crisp: the cards are placed by hand, the
front one upright with its one-pixel outline on whole pixels, the back has
its white rim but no pattern, and at 16 pixels the fox is drawn pixel by
pixel instead of scaling the emoji down.  Sizes from 48 up get a soft drop
shadow.

The output is deterministic: running the script again produces the same bytes.

Usage: /usr/bin/python3 tools/make_app_icon.py [output-dir] [--sheet out.png]
"""

import math
import os
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont

from make_pictures import split_sheet_arg

APP_ID = "org.kestrova.Kestrova"
SIZES = (16, 22, 24, 32, 48, 64, 128, 256, 512)
MIN_DRAW = 1024             # every size is drawn at least this big
EMOJI_FONT = "/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf"
FOX = "\U0001F98A"

# The cards as drawn from 48 pixels up, in units of the icon's side; the pair
# is then scaled and centred so it fills FILL of the side, lifted a little.
CARD_W, CARD_H = 0.50, 0.68
CORNER = 0.17               # corner radius against the card's width
BACK_CENTRE, BACK_ANGLE = (0.37, 0.43), 13.0      # degrees, counter-clockwise
FRONT_CENTRE, FRONT_ANGLE = (0.61, 0.55), -7.0
FILL = 0.88
LIFT = 0.012               # room below for the shadow

# Below 48 pixels the cards are placed by hand, in output pixels, so that
# the upright front card's edges fall on whole pixels:
# size: (card width, height, back centre, back angle, front card's top left)
SMALL_LAYOUT = {
    16: (9, 12, (6.1, 7.2), 12.0, (6, 3)),
    22: (12, 16, (8.2, 9.6), 12.0, (9, 5)),
    24: (13, 17, (8.8, 10.2), 12.0, (10, 6)),
    32: (18, 24, (11.8, 13.9), 12.0, (13, 7)),
}

INK = (34, 46, 92)                  # outline of both cards
BACK_BLUE = (40, 110, 215)
BACK_PATTERN = (96, 160, 240)
RIM = (255, 255, 255)
FACE = (255, 249, 232)
FACE_RIM = (248, 206, 150)
FOX_ORANGE = (245, 105, 25)
FOX_DARK = (60, 40, 40)
SHADOW = (20, 24, 48)
FOX_BOX = 0.80              # the emoji fox's size against the card's width

# The fox at 16 pixels: o orange, k dark.  White cheeks would vanish on
# the cream card, so the face narrows to the chin instead.
PIXEL_FOX = [
    "o.....o",
    "oo...oo",
    "ooooooo",
    "okoooko",
    ".ooooo.",
    "..oko..",
    "...o...",
]


def style_for(size):
    """How much detail a size gets; widths are in output pixels."""
    if size < 48:
        return dict(outline=1.0, rim=1.0, pattern=False, emoji=size > 16, shadow=False)
    return dict(outline=max(1.5, size / 44), rim=max(1.6, size / 40),
                pattern=True, emoji=True, shadow=True)


def turned_extent(w, h, radius, angle):
    """Half the width and half the height of a turned rounded rectangle's bounding box."""
    c, s = abs(math.cos(math.radians(angle))), abs(math.sin(math.radians(angle)))
    a, b = w / 2 - radius, h / 2 - radius
    return a * c + b * s + radius, a * s + b * c + radius


def layout(size):
    """Card width and height, and each card's centre and angle, in output pixels."""
    if size in SMALL_LAYOUT:
        w, h, back, back_angle, (fx, fy) = SMALL_LAYOUT[size]
        return w, h, (back, back_angle), ((fx + w / 2, fy + h / 2), 0.0)
    # fit the pair's bounding box into FILL of the side, centred
    radius = CORNER * CARD_W
    boxes = []
    for (cx, cy), angle in ((BACK_CENTRE, BACK_ANGLE), (FRONT_CENTRE, FRONT_ANGLE)):
        ex, ey = turned_extent(CARD_W, CARD_H, radius, angle)
        boxes.append((cx - ex, cy - ey, cx + ex, cy + ey))
    left, top = min(b[0] for b in boxes), min(b[1] for b in boxes)
    right, bottom = max(b[2] for b in boxes), max(b[3] for b in boxes)
    scale = FILL * size / max(right - left, bottom - top)
    dx = size / 2 - (left + right) / 2 * scale
    dy = size / 2 - (top + bottom) / 2 * scale - LIFT * size

    def at(c):
        return (c[0] * scale + dx, c[1] * scale + dy)

    return (CARD_W * scale, CARD_H * scale,
            (at(BACK_CENTRE), BACK_ANGLE), (at(FRONT_CENTRE), FRONT_ANGLE))


def rounded_mask(w, h, radius, inset=0.0):
    """A rounded rectangle's mask, drawn big enough to need no antialiasing of its own."""
    m = Image.new("L", (w, h), 0)
    ImageDraw.Draw(m).rounded_rectangle(
        (inset, inset, w - 1 - inset, h - 1 - inset),
        radius=max(0.0, radius - inset), fill=255)
    return m


def diamond_pattern(w, h, step, colour):
    """A lattice of soft diamonds with a white dot between them."""
    im = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    d = ImageDraw.Draw(im)
    half = step / 2
    r = step * 0.30
    dot = step * 0.08
    rows = int(h / half) + 3
    cols = int(w / step) + 3
    cx0, cy0 = w / 2, h / 2
    for j in range(-rows // 2 - 1, rows // 2 + 2):
        for i in range(-cols // 2 - 1, cols // 2 + 2):
            x = cx0 + i * step + (half if j % 2 else 0)
            y = cy0 + j * half
            d.polygon([(x, y - r), (x + r, y), (x, y + r), (x - r, y)], fill=colour)
            dx, dy = x + half, y
            d.ellipse((dx - dot, dy - dot, dx + dot, dy + dot), fill=RIM + (150,))
    return im


def card_back(w, h, px, st):
    """The face-down card, upright; px is one output pixel in drawing pixels."""
    radius = CORNER * w
    line = st["outline"] * px
    card = Image.new("RGBA", (w, h), INK + (0,))
    card.paste(INK + (255,), (0, 0), rounded_mask(w, h, radius))
    card.paste(BACK_BLUE + (255,), (0, 0), rounded_mask(w, h, radius, line))
    # white rim a little way in from the edge
    gap = w * 0.07 if st["pattern"] else px
    rim = st["rim"] * px
    card.paste(RIM + (255,), (0, 0), rounded_mask(w, h, radius, line + gap))
    inner = rounded_mask(w, h, radius, line + gap + rim)
    card.paste(BACK_BLUE + (255,), (0, 0), inner)
    if st["pattern"]:
        # diamonds no smaller than a few output pixels, so they stay shapes
        pattern = diamond_pattern(w, h, max(w * 0.22, 6.5 * px), BACK_PATTERN + (255,))
        clipped = Image.new("RGBA", (w, h), (0, 0, 0, 0))
        clipped.paste(pattern, (0, 0), inner)
        card.alpha_composite(clipped)
    return card


def emoji_fox(font):
    im = Image.new("RGBA", (160, 160), (0, 0, 0, 0))
    ImageDraw.Draw(im).text((10, 10), FOX, font=font, embedded_color=True)
    bbox = im.getbbox()
    assert bbox, "the fox emoji did not render"
    return im.crop(bbox)


def pixel_fox(px):
    """The fox drawn pixel by pixel, for the size where the emoji turns to mush."""
    colours = {"o": FOX_ORANGE, "k": FOX_DARK}
    im = Image.new("RGBA", (len(PIXEL_FOX[0]), len(PIXEL_FOX)), (0, 0, 0, 0))
    for y, row in enumerate(PIXEL_FOX):
        for x, c in enumerate(row):
            if c in colours:
                im.putpixel((x, y), colours[c] + (255,))
    return im.resize((im.width * px, im.height * px), Image.NEAREST)


def card_face(w, h, px, st, font):
    """The face-up card with its picture, upright."""
    radius = CORNER * w
    line = st["outline"] * px
    card = Image.new("RGBA", (w, h), INK + (0,))
    card.paste(INK + (255,), (0, 0), rounded_mask(w, h, radius))
    card.paste(FACE + (255,), (0, 0), rounded_mask(w, h, radius, line))
    if st["pattern"]:
        ring = w * 0.055
        card.paste(FACE_RIM + (255,), (0, 0), rounded_mask(w, h, radius, line + ring))
        card.paste(FACE + (255,), (0, 0),
                   rounded_mask(w, h, radius, line + ring + st["rim"] * px * 0.6))
    if st["emoji"]:
        fox = emoji_fox(font)
        scale = w * FOX_BOX / max(fox.size)
        size = (round(fox.width * scale), round(fox.height * scale))
        pic = fox.resize(size, Image.LANCZOS)
        card.alpha_composite(pic, ((w - size[0]) // 2, (h - size[1]) // 2))
    else:
        # whole output pixels, so the picture lands on the pixel grid
        pic = pixel_fox(px)
        cols, rows = w // px, h // px
        card.alpha_composite(pic, ((cols - len(PIXEL_FOX[0])) // 2 * px,
                                   (rows - len(PIXEL_FOX)) // 2 * px))
    return card


def place(canvas, card, centre, angle):
    """Turn a card about its middle and lay it on a layer the canvas's size, at centre."""
    if angle:
        card = card.convert("RGBa").rotate(angle, resample=Image.BICUBIC, expand=True)
        card = card.convert("RGBA")
    x = round(centre[0] - card.width / 2)
    y = round(centre[1] - card.height / 2)
    layer = Image.new("RGBA", canvas.size, (0, 0, 0, 0))
    layer.alpha_composite(card, (x, y))
    return layer


def shadow_of(layer, side):
    """A soft shadow falling a little down and right of the layer's shape."""
    alpha = layer.getchannel("A")
    offset = round(side * 0.018)
    moved = Image.new("L", layer.size, 0)
    moved.paste(alpha, (offset // 2, offset))
    soft = moved.filter(ImageFilter.GaussianBlur(side * 0.014))
    soft = soft.point(lambda v: v * 90 // 255)
    shadow = Image.new("RGBA", layer.size, SHADOW + (0,))
    shadow.putalpha(soft)
    return shadow


def draw_icon(size, font):
    st = style_for(size)
    px = max(2, math.ceil(MIN_DRAW / size))      # drawing pixels per output pixel
    side = size * px
    cw, ch, (back_at, back_angle), (front_at, front_angle) = layout(size)
    w, h = round(cw * px), round(ch * px)

    canvas = Image.new("RGBA", (side, side), (0, 0, 0, 0))
    back = place(canvas, card_back(w, h, px, st),
                 (back_at[0] * px, back_at[1] * px), back_angle)
    front = place(canvas, card_face(w, h, px, st, font),
                  (front_at[0] * px, front_at[1] * px), front_angle)
    for layer in (back, front):
        if st["shadow"]:
            canvas.alpha_composite(shadow_of(layer, side))
        canvas.alpha_composite(layer)
    # plain averaging keeps the small sizes free of ringing round the outlines
    return canvas.resize((size, size), Image.BOX if size < 48 else Image.LANCZOS)


def icon_path(out, size):
    return os.path.join(out, "%dx%d" % (size, size), "apps", APP_ID + ".png")


def contact_sheet(out, path):
    """The written icons on a white and on a dark grey band.

    Each band holds every size at 1:1, and the sizes up to 48 pixels four
    times enlarged under the small ones.
    """
    gap, zoom = 12, 4
    icons = {}
    for size in SIZES:
        with Image.open(icon_path(out, size)) as f:
            icons[size] = f.convert("RGBA")
    small = [s for s in SIZES if s <= 128]
    enlarged = [s for s in SIZES if s <= 48]
    large = [s for s in SIZES if s > 128]
    left = max(sum(small) + gap * (len(small) + 1),
               zoom * sum(enlarged) + gap * (len(enlarged) + 1))
    width = left + sum(large) + gap * len(large)
    band = max(SIZES) + 2 * gap
    assert max(small) + zoom * max(enlarged) + 3 * gap <= band
    sheet = Image.new("RGBA", (width, 2 * band), (255, 255, 255, 255))
    ImageDraw.Draw(sheet).rectangle((0, band, width, 2 * band), fill=(60, 60, 60, 255))
    for top in (0, band):
        x = gap
        for s in small:
            sheet.alpha_composite(icons[s], (x, top + gap))
            x += s + gap
        x = gap
        for s in enlarged:
            big = icons[s].resize((s * zoom, s * zoom), Image.NEAREST)
            sheet.alpha_composite(big, (x, top + max(small) + 2 * gap))
            x += s * zoom + gap
        x = left
        for s in large:
            sheet.alpha_composite(icons[s], (x, top + gap))
            x += s + gap
    sheet.convert("RGB").save(path)


def main():
    args, sheet = split_sheet_arg(sys.argv[1:])
    here = os.path.dirname(os.path.abspath(__file__))
    out = args[0] if args else os.path.join(here, "..", "packaging", "icons")

    font = ImageFont.truetype(EMOJI_FONT, 109)   # bitmap font: 109 px only
    for size in SIZES:
        icon = draw_icon(size, font)
        assert icon.size == (size, size) and icon.mode == "RGBA"
        path = icon_path(out, size)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        # no text chunks, no time stamp: the same icon gives the same bytes
        icon.save(path, format="PNG", optimize=False)

    if sheet:
        contact_sheet(out, sheet)


if __name__ == "__main__":
    main()

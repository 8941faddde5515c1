#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Kestrova developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Paint Kestrova's main-window backgrounds into data/back/back0.jpg .. back6.jpg.

Picture n goes with look n, whose cards are drawn over it in a solid
colour (CARD_COLOURS), so each picture keeps its own tones well away from
that colour.  The 24 cards hide most of the picture: what shows is the top
band behind the buttons and the clock, the narrow gaps between the cards
and the strip along the bottom.  So the pictures are built from large,
soft shapes; small detail would only turn into noise in the gaps.  The
clock is white text straight on the picture, so every top band is dark.

The options window shows each picture as a tiny strip cut from its middle,
which is why each one has its own overall hue.

Each picture is also painted at twice the size, backN@2x.jpg (1282 x 850),
for high-DPI screens.

The random generators have fixed seeds, so running the script again
writes the same bytes.

Usage: /usr/bin/python3 tools/make_backgrounds.py [output-dir]
"""

import math
import os
import random
import sys

from PIL import Image, ImageDraw, ImageFilter

W, H = 641, 425          # the main window's client area
SUPERSAMPLE = 2          # drawn at twice the size, then scaled down smoothly
SS = SUPERSAMPLE         # canvas pixels per window pixel of the picture being painted
SCALES = (1, 2)          # "backN.jpg" and, for high-DPI screens, "backN@2x.jpg"
JPEG_QUALITY = 88

# The card colour of each set, for reference when picking tones.
CARD_COLOURS = [
    (200, 200, 200),
    (225, 205, 190),
    (255, 197, 85),
    (134, 138, 163),
    (239, 96, 162),
    (255, 197, 85),
    (188, 188, 174),
]


def s(v):
    """Window pixels to canvas pixels."""
    return round(v * SS)


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def gradient(stops, height=H):
    """A canvas filled top to bottom through stops of (window y, colour).

    Smoothstep between the stops avoids the visible kinks a straight
    linear blend leaves where two segments meet.
    """
    rows = s(height)
    col = Image.new("RGBA", (1, rows))
    px = col.load()
    for y in range(rows):
        wy = y / SS
        c = stops[-1][1]
        if wy <= stops[0][0]:
            c = stops[0][1]
        else:
            for (y0, c0), (y1, c1) in zip(stops, stops[1:]):
                if y0 <= wy <= y1:
                    u = (wy - y0) / (y1 - y0) if y1 > y0 else 1.0
                    c = mix(c0, c1, u * u * (3 - 2 * u))
                    break
        px[0, y] = c + (255,)
    return col.resize((s(W), rows), Image.NEAREST)


def layer():
    im = Image.new("RGBA", (s(W), s(H)), (0, 0, 0, 0))
    return im, ImageDraw.Draw(im)


def soften(im, radius):
    """Blur a layer without the dark rims its transparent black would leave."""
    return im.convert("RGBa").filter(ImageFilter.GaussianBlur(s(radius))).convert("RGBA")


def blend(base, im, blur=0):
    if blur:
        im = soften(im, blur)
    return Image.alpha_composite(base, im)


def shade_top(base, colour, depth, strength):
    """Deepen the band behind the buttons and the white clock text."""
    mask = Image.new("L", (1, s(depth)))
    for y in range(s(depth)):
        t = y / s(depth)
        mask.putpixel((0, y), round(255 * strength * (1 - t * t * (3 - 2 * t))))
    mask = mask.resize((s(W), s(depth)), Image.NEAREST)
    band = Image.new("RGBA", (s(W), s(depth)), colour + (255,))
    band.putalpha(mask)
    im = Image.new("RGBA", base.size, (0, 0, 0, 0))
    im.paste(band, (0, 0))
    return Image.alpha_composite(base, im)


def ridge(rng, base_y, waves):
    """Window y of a wavy skyline at each canvas column.

    waves: (amplitude, wavelength) pairs, each given a random phase.
    """
    parts = [(a, 2 * math.pi / wl, rng.uniform(0, 2 * math.pi)) for a, wl in waves]
    return [base_y + sum(a * math.sin(k * x / SS + p) for a, k, p in parts)
            for x in range(s(W) + 1)]


def fill_below(draw, line, fill):
    pts = [(x, s(y)) for x, y in enumerate(line)]
    pts += [(s(W), s(H) + 2), (0, s(H) + 2)]
    draw.polygon(pts, fill=fill)


def ellipse(draw, cx, cy, rx, ry, **kw):
    draw.ellipse((s(cx - rx), s(cy - ry), s(cx + rx), s(cy + ry)), **kw)


def cloud(draw, cx, cy, size, fill, rng):
    """A cloud as a flat-bottomed heap of round puffs."""
    ellipse(draw, cx, cy, size * 1.6, size * 0.45, fill=fill)
    for _ in range(5):
        dx = rng.uniform(-1.1, 1.1) * size
        r = size * rng.uniform(0.45, 0.75) * (1 - abs(dx) / (2.2 * size))
        ellipse(draw, cx + dx, cy - r * 0.5, r, r, fill=fill)


def bubble(base, cx, cy, r, rim, glint, tint=None):
    """A soap or air bubble: a faint body, a brighter rim and a glint."""
    im, d = layer()
    if tint:
        ellipse(d, cx, cy, r, r, fill=tint)
    ellipse(d, cx, cy, r, r, outline=rim, width=max(2, s(r / 7)))
    base = blend(base, im, blur=0.6)
    im, d = layer()
    ellipse(d, cx - r * 0.4, cy - r * 0.4, r * 0.22, r * 0.16, fill=glint)
    return blend(base, im, blur=0.4)


def sky(rng):
    """Set 0, grey cards: a blue sky with soft white clouds."""
    base = gradient([(0, (32, 74, 138)), (60, (62, 116, 182)),
                     (260, (88, 145, 205)), (425, (108, 164, 216))])
    im, d = layer()
    ellipse(d, 58, 22, 60, 60, fill=(255, 244, 190, 70))       # sun glow
    base = blend(base, im, blur=18)
    im, d = layer()
    ellipse(d, 58, 22, 14, 14, fill=(255, 240, 170, 255))
    base = blend(base, im, blur=1.2)
    # far clouds hazy; near ones white over a bluish copy set a little
    # lower, which gives them a shaded underside
    for blur, alpha, count, size in ((9, 90, 6, (40, 64)), (2, 235, 5, (24, 36))):
        im, d = layer()
        under, du = layer()
        for i in range(count):
            cx = (i + rng.uniform(0.15, 0.85)) * W / count
            cy = rng.uniform(90, 400)
            sz = rng.uniform(*size)
            seed = rng.random()
            cloud(du, cx, cy + sz * 0.12, sz, (176, 200, 232, alpha), random.Random(seed))
            cloud(d, cx, cy, sz, (255, 255, 255, alpha), random.Random(seed))
        base = blend(base, under, blur=blur + 1)
        base = blend(base, im, blur=blur)
    return shade_top(base, (22, 50, 104), 46, 0.55)


def dunes(rng):
    """Set 1, beige cards: terracotta desert dunes at sunset."""
    base = gradient([(0, (150, 62, 52)), (50, (196, 92, 66)),
                     (140, (236, 146, 96)), (425, (240, 160, 110))])
    im, d = layer()
    ellipse(d, 470, 150, 110, 110, fill=(255, 225, 150, 110))
    base = blend(base, im, blur=30)
    im, d = layer()
    ellipse(d, 470, 150, 34, 34, fill=(255, 232, 160, 255))
    base = blend(base, im, blur=1.5)
    # each dune is lit on its crest and darkens down its face, so the
    # dune in front stands out against the shadowed foot of the one behind
    tones = [((236, 156, 100), (204, 114, 70)), ((226, 140, 88), (190, 100, 62)),
             ((214, 126, 78), (176, 88, 56)), ((202, 112, 70), (160, 78, 50))]
    for i, (light, shadow) in enumerate(tones):
        top = 150 + i * 70
        line = ridge(rng, top, [(14, 420 + 60 * i), (6, 170), (3, 90)])
        face = gradient([(top - 24, light), (top + 60, shadow)])
        mask = Image.new("L", base.size, 0)
        fill_below(ImageDraw.Draw(mask), line, 255)
        face.putalpha(mask.filter(ImageFilter.GaussianBlur(s(0.8))))
        base = Image.alpha_composite(base, face)
    return shade_top(base, (120, 44, 44), 46, 0.45)


def evening(rng):
    """Set 2, orange cards: a deep-blue evening with stars and a moon."""
    base = gradient([(0, (14, 18, 58)), (50, (26, 32, 88)),
                     (300, (42, 52, 122)), (425, (58, 70, 140))])
    im, d = layer()
    for _ in range(260):
        x, y = rng.uniform(0, W), rng.uniform(0, 390)
        r = rng.choice((0.6, 0.8, 0.8, 1.0, 1.2, 1.6))
        a = rng.randint(120, 230)
        ellipse(d, x, y, r, r, fill=(255, 246, 200, a))
    base = blend(base, im, blur=0.3)
    # a few bigger twinkling stars, with a soft halo
    im, d = layer()
    halo, dh = layer()
    for _ in range(18):
        x, y = rng.uniform(10, W - 10), rng.uniform(10, 380)
        r = rng.uniform(3.5, 6)
        ellipse(dh, x, y, r * 2, r * 2, fill=(255, 240, 190, 60))
        for ang in (0, math.pi / 2):
            dx, dy = math.cos(ang), math.sin(ang)
            d.polygon([(s(x + dx * r), s(y + dy * r)), (s(x - dy * r * 0.2), s(y + dx * r * 0.2)),
                       (s(x - dx * r), s(y - dy * r)), (s(x + dy * r * 0.2), s(y - dx * r * 0.2))],
                      fill=(255, 244, 200, 220))
    base = blend(base, halo, blur=3)
    base = blend(base, im, blur=0.3)
    # the crescent moon, left of the buttons
    im, d = layer()
    ellipse(d, 58, 20, 34, 34, fill=(255, 236, 170, 60))
    base = blend(base, im, blur=10)
    moon = Image.new("L", (s(W), s(H)), 0)
    dm = ImageDraw.Draw(moon)
    ellipse(dm, 58, 20, 14, 14, fill=255)
    ellipse(dm, 65, 15, 12.5, 12.5, fill=0)
    moon = moon.filter(ImageFilter.GaussianBlur(s(0.5)))
    lit = Image.new("RGBA", base.size, (255, 236, 170, 255))
    lit.putalpha(moon)
    base = Image.alpha_composite(base, lit)
    # dark hills along the bottom keep the labels' strip quiet
    for i, tone in enumerate(((30, 40, 92), (20, 28, 68))):
        im, d = layer()
        fill_below(d, ridge(rng, 392 + 14 * i, [(8, 380), (4, 150)]), tone + (255,))
        base = blend(base, im, blur=0.8)
    return base


def lilac(rng):
    """Set 3, slate-blue cards: pastel lilac with soap bubbles."""
    base = gradient([(0, (96, 58, 132)), (44, (152, 118, 190)),
                     (110, (212, 192, 234)), (425, (228, 212, 242))])
    im, d = layer()
    for cx, cy, r, c in ((140, 300, 170, (255, 214, 236)), (520, 200, 190, (206, 222, 255)),
                         (330, 420, 150, (250, 226, 250))):
        ellipse(d, cx, cy, r, r * 0.8, fill=c + (120,))
    base = blend(base, im, blur=40)
    rims = [(255, 255, 255, 200), (255, 230, 250, 190), (230, 240, 255, 190)]
    for _ in range(34):
        cx, cy = rng.uniform(0, W), rng.uniform(60, H)
        r = rng.choice((6, 9, 12, 16, 22, 30))
        base = bubble(base, cx, cy, r, rng.choice(rims), (255, 255, 255, 230),
                      tint=(255, 255, 255, 40))
    return shade_top(base, (74, 40, 108), 44, 0.5)


def meadow(rng):
    """Set 4, pink cards: pale mint with little flowers."""
    base = gradient([(0, (26, 104, 80)), (46, (92, 170, 132)),
                     (110, (190, 232, 206)), (425, (204, 240, 214))])
    petals = [(255, 255, 255), (255, 248, 196), (214, 226, 255), (255, 236, 214)]
    im, d = layer()
    spots = []
    for _ in range(150):
        x, y = rng.uniform(0, W), rng.uniform(56, H)
        if any((x - a) ** 2 + (y - b) ** 2 < 18 ** 2 for a, b in spots):
            continue
        spots.append((x, y))
        r = rng.uniform(3.5, 6.5)
        colour = rng.choice(petals)
        turn = rng.uniform(0, 2 * math.pi)
        for k in range(5):
            a = turn + k * 2 * math.pi / 5
            ellipse(d, x + math.cos(a) * r * 0.9, y + math.sin(a) * r * 0.9,
                    r * 0.7, r * 0.7, fill=colour + (210,))
        ellipse(d, x, y, r * 0.45, r * 0.45, fill=(250, 200, 70, 235))
    base = blend(base, im, blur=0.5)
    return shade_top(base, (18, 84, 64), 44, 0.5)


def sea(rng):
    """Set 5, orange cards: a turquoise sea with light rays and bubbles."""
    base = gradient([(0, (0, 88, 120)), (50, (0, 128, 150)),
                     (180, (18, 150, 162)), (425, (10, 104, 130))])
    im, d = layer()
    for _ in range(9):
        x0 = rng.uniform(-40, W + 40)
        w0 = rng.uniform(10, 26)
        x1 = x0 + rng.uniform(-130, 60)
        w1 = w0 * rng.uniform(2.2, 3.5)
        d.polygon([(s(x0 - w0), 0), (s(x0 + w0), 0), (s(x1 + w1), s(H)), (s(x1 - w1), s(H))],
                  fill=(200, 255, 240, rng.randint(26, 44)))
    base = blend(base, im, blur=8)
    # ripples of the surface seen from below
    im, d = layer()
    for row in range(3):
        y = 8 + row * 12
        for _ in range(14):
            x = rng.uniform(0, W)
            ellipse(d, x, y + rng.uniform(-3, 3), rng.uniform(14, 30), 2.2,
                    fill=(190, 250, 250, 70 - 18 * row))
    base = blend(base, im, blur=1.5)
    # seaweed and sand along the bottom
    im, d = layer()
    for x0 in (8, 30, 604, 628, 210, 420):
        hgt = rng.uniform(40, 80)
        phase = rng.uniform(0, 6.3)
        pts_l, pts_r = [], []
        for k in range(21):
            t = k / 20
            y = H - t * hgt
            x = x0 + 5 * math.sin(phase + t * 6)
            wdt = 4 * (1 - t) + 0.6
            pts_l.append((s(x - wdt), s(y)))
            pts_r.append((s(x + wdt), s(y)))
        d.polygon(pts_l + pts_r[::-1], fill=(20, 120, 90, 200))
    fill_below(d, ridge(rng, 414, [(3, 160), (1.5, 60)]), (200, 178, 120, 230))
    base = blend(base, im, blur=0.8)
    for _ in range(40):
        cx, cy = rng.uniform(0, W), rng.uniform(48, 410)
        r = rng.choice((2.5, 3.5, 4.5, 6, 8))
        base = bubble(base, cx, cy, r, (225, 255, 255, 170), (255, 255, 255, 220),
                      tint=(220, 255, 255, 30))
    return shade_top(base, (0, 56, 92), 44, 0.55)


def hills(rng):
    """Set 6, grey-olive cards: green hills with round trees."""
    base = gradient([(0, (36, 88, 140)), (46, (84, 146, 196)), (120, (176, 216, 232))])
    im, d = layer()
    for i in range(4):
        cloud(d, 40 + i * 170 + rng.uniform(0, 60), rng.uniform(70, 95),
              rng.uniform(18, 26), (255, 255, 255, 150), rng)
    base = blend(base, im, blur=4)
    layers = [((138, 184, 138), 112), ((104, 166, 92), 170), ((86, 150, 74), 250),
              ((70, 134, 62), 330)]
    for i, (tone, y0) in enumerate(layers):
        line = ridge(rng, y0, [(16, 380 + 50 * i), (7, 160)])
        im, d = layer()
        fill_below(d, line, tone + (255,))
        base = blend(base, im, blur=0.7)
        # round trees standing on this hill
        im, d = layer()
        leaf = mix(tone, (30, 80, 40), 0.45)
        for _ in range(5 + i * 2):
            x = rng.uniform(0, W)
            y = line[s(x)] + rng.uniform(4, 14)
            r = rng.uniform(6, 10) * (0.8 + 0.12 * i)
            d.rectangle((s(x - r * 0.15), s(y - r * 0.2), s(x + r * 0.15), s(y + r * 0.8)),
                        fill=(96, 70, 46, 255))
            ellipse(d, x, y - r, r, r * 1.1, fill=leaf + (255,))
            ellipse(d, x - r * 0.3, y - r * 1.35, r * 0.4, r * 0.35,
                    fill=mix(leaf, (200, 240, 160), 0.3) + (255,))
        base = blend(base, im, blur=0.6)
    return shade_top(base, (20, 56, 100), 44, 0.5)


PAINTERS = [sky, dunes, evening, lilac, meadow, sea, hills]


def paint(n, scale=1):
    """Background n at scale times the window's size.

    Every painter measures in window pixels through s(), so a larger canvas
    draws the same picture in finer detail; the random choices do not depend
    on the canvas, so both sizes show the same clouds, stars and bubbles.
    """
    global SS
    SS = SUPERSAMPLE * scale
    try:
        img = PAINTERS[n](random.Random(1000 + n))
    finally:
        SS = SUPERSAMPLE
    return img.convert("RGB").resize((W * scale, H * scale), Image.LANCZOS)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "data", "back")
    os.makedirs(out, exist_ok=True)
    for n in range(len(PAINTERS)):
        for scale in SCALES:
            path = os.path.join(out, "back%d%s.jpg" % (n, "" if scale == 1 else "@%dx" % scale))
            paint(n, scale).save(path, "JPEG", quality=JPEG_QUALITY, optimize=True)
            print(path, os.path.getsize(path))


if __name__ == "__main__":
    main()

#!/usr/bin/python3
"""Draw Kestrova's card pictures into data/img0 .. data/img6.

Sets 0-4 hold twelve emoji pictures each (picture mode).
Sets 5 and 6 hold 24 pictures each (number-pair mode): picture n and
picture n+12 belong together.

Every card is a 90 x 80 GIF on a pale rounded tile.  The output is
deterministic: running the script again produces the same bytes.

Usage: /usr/bin/python3 tools/make_pictures.py [data-dir] [--sheet out.png]
"""

import os
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFont

W, H = 90, 80
SS = 4                      # supersampling factor for shapes and letters
EMOJI_BOX = 60              # emoji is scaled to fit this square

EMOJI_FONT = "/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf"
BOLD_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
# A plain bar "I" looks just like "l"; the mono face gives "I" its crossbars.
SERIF_I_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf"

# (folder, display name, tile colour, border colour, pictures)
EMOJI_SETS = [
    ("img0", "Animals", (255, 246, 214), (236, 205, 140),
     ["\U0001F436",   # dog
      "\U0001F431",   # cat
      "\U0001F437",   # pig
      "\U0001F438",   # frog
      "\U0001F981",   # lion
      "\U0001F418",   # elephant
      "\U0001F427",   # penguin
      "\U0001F430",   # rabbit
      "\U0001F425",   # chick
      "\U0001F992",   # giraffe
      "\U0001F41E",   # ladybird
      "\U0001F993"]),  # zebra
    ("img1", "Food", (236, 250, 222), (170, 214, 140),
     ["\U0001F34E",   # apple
      "\U0001F34C",   # banana
      "\U0001F347",   # grapes
      "\U0001F353",   # strawberry
      "\U0001F349",   # watermelon
      "\U0001F34D",   # pineapple
      "\U0001F955",   # carrot
      "\U0001F966",   # broccoli
      "\U0001F350",   # pear
      "\U0001F352",   # cherries
      "\U0001F33D",   # sweetcorn
      "\U0001F34A"]),  # orange
    ("img2", "Toys", (255, 236, 244), (236, 170, 200),
     ["\U0001F9F8",   # teddy bear
      "\u26BD",       # football
      "\U0001FA81",   # kite
      "\U0001F388",   # balloon
      "\U0001F9E9",   # jigsaw piece
      "\U0001F3B2",   # dice
      "\U0001F916",   # robot
      "\U0001F941",   # drum
      "\U0001FA86",   # nesting dolls
      "\U0001F6F9",   # skateboard
      "\U0001F58D",   # crayon
      "\U0001F3BA"]),  # trumpet
    ("img3", "Transport", (232, 244, 255), (150, 190, 232),
     ["\U0001F692",   # fire engine
      "\U0001F699",   # blue car
      "\U0001F68C",   # bus
      "\U0001F682",   # steam train
      "\u2708",       # aeroplane
      "\U0001F681",   # helicopter
      "\U0001F680",   # rocket
      "\U0001F6B2",   # bicycle
      "\u26F5",       # sailing boat
      "\U0001F69C",   # tractor
      "\U0001F6A2",   # ship
      "\U0001F691"]),  # ambulance
    ("img4", "Sea life", (226, 250, 250), (130, 206, 210),
     ["\U0001F420",   # tropical fish
      "\U0001F421",   # blowfish
      "\U0001F419",   # octopus
      "\U0001F980",   # crab
      "\U0001F433",   # whale
      "\U0001F988",   # shark
      "\U0001F422",   # turtle
      "\U0001F41A",   # shell
      "\U0001FABC",   # jellyfish
      "\U0001F9AD",   # seal
      "\U0001F41F",   # fish
      "\U0001F990"]),  # shrimp
]

LETTER_SET = ("img5", "Aa Bb Cc", (255, 250, 228), (232, 206, 130))
NUMBER_SET = ("img6", "1 2 3", (242, 238, 255), (190, 176, 236))

# One strong colour per pair in sets 5 and 6.
PAIR_COLOURS = [
    (226, 50, 50),    # red
    (240, 120, 20),   # orange
    (30, 140, 60),    # green
    (30, 100, 210),   # blue
    (150, 60, 190),   # purple
    (220, 40, 140),   # pink
    (0, 150, 160),    # teal
    (190, 110, 20),   # amber
    (90, 90, 220),    # indigo
    (200, 30, 90),    # raspberry
    (60, 150, 30),    # leaf green
    (215, 150, 0),    # gold
]

# Dot layouts for 1..12, as rows of dots (counted top to bottom).
DOT_ROWS = {
    1: [1], 2: [2], 3: [1, 1, 1], 4: [2, 2], 5: [2, 1, 2], 6: [3, 3],
    7: [2, 3, 2], 8: [3, 2, 3], 9: [3, 3, 3], 10: [4, 2, 4],
    11: [4, 3, 4], 12: [4, 4, 4],
}


def tile(bg, border):
    """A pale tile at supersampled size with a soft rounded border."""
    im = Image.new("RGB", (W * SS, H * SS), bg)
    d = ImageDraw.Draw(im)
    d.rounded_rectangle((2 * SS, 2 * SS, (W - 2) * SS - 1, (H - 2) * SS - 1),
                        radius=10 * SS, outline=border, width=2 * SS)
    return im


def finish(im):
    """Downscale a supersampled tile to card size."""
    return im.resize((W, H), Image.LANCZOS)


def darker(c, f=0.55):
    return tuple(int(v * f) for v in c)


def emoji_card(ch, bg, border, font):
    glyph = Image.new("RGBA", (160, 160), (0, 0, 0, 0))
    ImageDraw.Draw(glyph).text((10, 10), ch, font=font, embedded_color=True)
    bbox = glyph.getbbox()
    assert bbox, "emoji U+%04X did not render" % ord(ch[0])
    glyph = glyph.crop(bbox)
    scale = EMOJI_BOX / max(glyph.size)
    size = (max(1, round(glyph.width * scale)), max(1, round(glyph.height * scale)))
    glyph = glyph.resize(size, Image.LANCZOS)
    card = finish(tile(bg, border)).convert("RGBA")
    card.alpha_composite(glyph, ((W - size[0]) // 2, (H - size[1]) // 2))
    return card.convert("RGB")


def text_card(text, colour, bg, border, size):
    im = tile(bg, border)
    d = ImageDraw.Draw(im)
    font = ImageFont.truetype(SERIF_I_FONT if text == "I" else BOLD_FONT, size * SS)
    stroke = 2 * SS
    # centre on the ink box, not on the font's line box
    l, t, r, b = d.textbbox((0, 0), text, font=font, stroke_width=stroke)
    x = (W * SS - (r - l)) // 2 - l
    y = (H * SS - (b - t)) // 2 - t
    # soft shadow, then the letter with a darker outline
    d.text((x + 2 * SS, y + 2 * SS), text, font=font, fill=darker(bg, 0.82),
           stroke_width=stroke, stroke_fill=darker(bg, 0.82))
    d.text((x, y), text, font=font, fill=colour,
           stroke_width=stroke, stroke_fill=darker(colour))
    return finish(im)


def dots_card(n, colour, bg, border):
    im = tile(bg, border)
    d = ImageDraw.Draw(im)
    rows = DOT_ROWS[n]
    # fewer dots are drawn bigger, so a lone dot still fills the card
    diam, step = {1: (32, 0), 2: (26, 36), 3: (20, 22), 4: (22, 30),
                  5: (20, 22), 6: (20, 27)}.get(n, (15, 19))
    diam, step = diam * SS, step * SS
    mx, my = W * SS / 2, H * SS / 2
    if n == 3:        # diagonal, like a die
        centres = [(mx + k * step, my + k * step) for k in (-1, 0, 1)]
    elif n == 5:      # die face: four corners and the middle
        centres = [(mx + a * step, my + b * step)
                   for a, b in ((-1, -1), (1, -1), (0, 0), (-1, 1), (1, 1))]
    else:
        centres = []
        cy0 = my - (len(rows) - 1) * step / 2
        for ri, count in enumerate(rows):
            cx0 = mx - (count - 1) * step / 2
            centres += [(cx0 + k * step, cy0 + ri * step) for k in range(count)]
    assert len(centres) == n
    r = diam / 2
    for cx, cy in centres:
        d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=colour,
                  outline=darker(colour), width=SS + SS // 2)
        # small highlight so the dots look like shiny buttons
        h = r * 0.35
        d.ellipse((cx - r * 0.45 - h / 2, cy - r * 0.45 - h / 2,
                   cx - r * 0.45 + h / 2, cy - r * 0.45 + h / 2),
                  fill=tuple(min(255, v + 110) for v in colour))
    return finish(im)


def to_gif(im, path):
    """Adaptive palette, no dithering; written deterministically."""
    assert im.size == (W, H)
    q = im.quantize(colors=255, method=Image.Quantize.MEDIANCUT,
                    dither=Image.Dither.NONE)
    q.save(path, format="GIF", optimize=False)


def write_set(root, folder, name, cards):
    out = os.path.join(root, folder)
    os.makedirs(out, exist_ok=True)
    for f in os.listdir(out):          # drop pictures left from older runs
        if f.endswith(".gif"):
            os.remove(os.path.join(out, f))
    for i, im in enumerate(cards):
        to_gif(im, os.path.join(out, "%d.gif" % i))
    assert name.isascii() and len(name) <= 9
    with open(os.path.join(out, "setname.txt"), "wb") as f:
        f.write(name.encode("ascii") + b"\r\n")


def check_distinct(folder, cards):
    """Every picture of a set must clearly differ from the others."""
    small = [c.convert("L").resize((18, 16), Image.BILINEAR) for c in cards]
    for i in range(len(small)):
        for j in range(i + 1, len(small)):
            diff = ImageChops.difference(small[i], small[j]).getbbox()
            assert diff is not None, "%s: %d.gif and %d.gif are the same" % (folder, i, j)


def contact_sheet(root, all_sets, path):
    """Paste the written GIFs side by side, for a look at the real output."""
    cols = 12
    rows = sum((len(c) + cols - 1) // cols for _, c in all_sets)
    sheet = Image.new("RGB", (cols * (W + 4) + 4, rows * (H + 4) + 4), (90, 90, 90))
    row = 0
    for folder, cards in all_sets:
        for i in range(len(cards)):
            with Image.open(os.path.join(root, folder, "%d.gif" % i)) as g:
                q = g.convert("RGB")
            sheet.paste(q, (4 + (i % cols) * (W + 4), 4 + (row + i // cols) * (H + 4)))
        row += (len(cards) + cols - 1) // cols
    sheet.save(path)


def split_sheet_arg(args):
    """Take "--sheet FILE" out of the arguments; returns (other arguments, FILE or None)."""
    args = list(args)
    sheet = None
    if "--sheet" in args:
        k = args.index("--sheet")
        sheet = args[k + 1]
        del args[k:k + 2]
    return args, sheet


def main():
    args, sheet = split_sheet_arg(sys.argv[1:])
    root = args[0] if args else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data")

    emoji_font = ImageFont.truetype(EMOJI_FONT, 109)   # bitmap font: 109 px only
    all_sets = []

    for folder, name, bg, border, chars in EMOJI_SETS:
        assert len(chars) == 12 and len(set(chars)) == 12
        all_sets.append((folder, name, [emoji_card(c, bg, border, emoji_font) for c in chars]))

    folder, name, bg, border = LETTER_SET
    caps = "ABCDEFGHIJKL"
    cards = [text_card(c, PAIR_COLOURS[i], bg, border, 66) for i, c in enumerate(caps)]
    cards += [text_card(c.lower(), PAIR_COLOURS[i], bg, border, 66) for i, c in enumerate(caps)]
    all_sets.append((folder, name, cards))

    folder, name, bg, border = NUMBER_SET
    cards = [text_card(str(n), PAIR_COLOURS[n - 1], bg, border, 62 if n < 10 else 52)
             for n in range(1, 13)]
    cards += [dots_card(n, PAIR_COLOURS[n - 1], bg, border) for n in range(1, 13)]
    all_sets.append((folder, name, cards))

    all_names = set()
    for folder, name, cards in all_sets:
        # picture sets have 12 cards; number-pair sets have 24 (13.gif marks them)
        assert len(cards) == (24 if folder in ("img5", "img6") else 12), folder
        assert name not in all_names
        all_names.add(name)
        check_distinct(folder, cards)
        write_set(root, folder, name, cards)

    if sheet:
        contact_sheet(root, [(f, c) for f, _, c in all_sets], sheet)


if __name__ == "__main__":
    main()

#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Kestrova developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draw Kestrova's card pictures into data/img0 .. data/img6.

Sets 0-4 hold twelve emoji pictures each (picture mode).
Sets 5 and 6 hold 24 pictures each (number-pair mode): picture n and
picture n+12 belong together.

Every card is a 90 x 80 GIF on a pale rounded tile, and the same card drawn
at twice the size, 180 x 160, is "N@2x.gif" beside it for high-DPI screens.
"names.txt" names each picture in Russian and English.  The output is
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

# (folder, display name, tile colour, border colour, pictures as (emoji, Russian, English))
EMOJI_SETS = [
    ("img0", "Animals", (255, 246, 214), (236, 205, 140),
     [("\U0001F436", "собака", "dog"),
      ("\U0001F431", "кошка", "cat"),
      ("\U0001F437", "свинья", "pig"),
      ("\U0001F438", "лягушка", "frog"),
      ("\U0001F981", "лев", "lion"),
      ("\U0001F418", "слон", "elephant"),
      ("\U0001F427", "пингвин", "penguin"),
      ("\U0001F430", "кролик", "rabbit"),
      ("\U0001F425", "цыплёнок", "chick"),
      ("\U0001F992", "жираф", "giraffe"),
      ("\U0001F41E", "божья коровка", "ladybird"),
      ("\U0001F993", "зебра", "zebra")]),
    ("img1", "Food", (236, 250, 222), (170, 214, 140),
     [("\U0001F34E", "яблоко", "apple"),
      ("\U0001F34C", "банан", "banana"),
      ("\U0001F347", "виноград", "grapes"),
      ("\U0001F353", "клубника", "strawberry"),
      ("\U0001F349", "арбуз", "watermelon"),
      ("\U0001F34D", "ананас", "pineapple"),
      ("\U0001F955", "морковка", "carrot"),
      ("\U0001F966", "брокколи", "broccoli"),
      ("\U0001F350", "груша", "pear"),
      ("\U0001F352", "вишня", "cherries"),
      ("\U0001F33D", "кукуруза", "sweetcorn"),
      ("\U0001F34A", "апельсин", "orange")]),
    ("img2", "Toys", (255, 236, 244), (236, 170, 200),
     [("\U0001F9F8", "плюшевый мишка", "teddy bear"),
      ("\u26BD", "футбольный мяч", "football"),
      ("\U0001FA81", "воздушный змей", "kite"),
      ("\U0001F388", "воздушный шарик", "balloon"),
      ("\U0001F9E9", "пазл", "jigsaw piece"),
      ("\U0001F3B2", "игральный кубик", "dice"),
      ("\U0001F916", "робот", "robot"),
      ("\U0001F941", "барабан", "drum"),
      ("\U0001FA86", "матрёшка", "nesting doll"),
      ("\U0001F6F9", "скейтборд", "skateboard"),
      ("\U0001F58D", "мелок", "crayon"),
      ("\U0001F3BA", "труба", "trumpet")]),
    ("img3", "Transport", (232, 244, 255), (150, 190, 232),
     [("\U0001F692", "пожарная машина", "fire engine"),
      ("\U0001F699", "машина", "car"),
      ("\U0001F68C", "автобус", "bus"),
      ("\U0001F682", "паровоз", "steam train"),
      ("\u2708", "самолёт", "aeroplane"),
      ("\U0001F681", "вертолёт", "helicopter"),
      ("\U0001F680", "ракета", "rocket"),
      ("\U0001F6B2", "велосипед", "bicycle"),
      ("\u26F5", "парусник", "sailing boat"),
      ("\U0001F69C", "трактор", "tractor"),
      ("\U0001F6A2", "корабль", "ship"),
      ("\U0001F691", "скорая помощь", "ambulance")]),
    ("img4", "Sea life", (226, 250, 250), (130, 206, 210),
     [("\U0001F420", "тропическая рыбка", "tropical fish"),
      ("\U0001F421", "рыба-ёж", "blowfish"),
      ("\U0001F419", "осьминог", "octopus"),
      ("\U0001F980", "краб", "crab"),
      ("\U0001F433", "кит", "whale"),
      ("\U0001F988", "акула", "shark"),
      ("\U0001F422", "черепаха", "turtle"),
      ("\U0001F41A", "ракушка", "shell"),
      ("\U0001FABC", "медуза", "jellyfish"),
      ("\U0001F9AD", "тюлень", "seal"),
      ("\U0001F41F", "рыбка", "fish"),
      ("\U0001F990", "креветка", "shrimp")]),
]

LETTER_SET = ("img5", "Aa Bb Cc", (255, 250, 228), (232, 206, 130))
NUMBER_SET = ("img6", "1 2 3", (242, 238, 255), (190, 176, 236))

# The strong colours of the letters, numbers and dots in sets 5 and 6.  Colour
# must not give a pair away, so the two cards of a pair never share one:
# picture n (the capital letter, the number) has colour n mod 4 and picture
# n+12 (the small letter, the dots) colour (n mod 4 + 1 + n div 4) mod 4.
# Every colour is worn by three cards of each half, and the three cards of a
# colour have partners of the three other colours, one each.
CARD_COLOURS = [
    (226, 50, 50),    # red
    (30, 140, 60),    # green
    (30, 100, 210),   # blue
    (150, 60, 190),   # purple
]


def pair_colours(n):
    """The colours of pair n's two cards: (picture n, picture n+12)."""
    k = len(CARD_COLOURS)
    return CARD_COLOURS[n % k], CARD_COLOURS[(n % k + 1 + n // k) % k]


# Dot layouts for 1..12, as rows of dots (counted top to bottom).
DOT_ROWS = {
    1: [1], 2: [2], 3: [1, 1, 1], 4: [2, 2], 5: [2, 1, 2], 6: [3, 3],
    7: [2, 3, 2], 8: [3, 2, 3], 9: [3, 3, 3], 10: [4, 2, 4],
    11: [4, 3, 4], 12: [4, 4, 4],
}


# What the cards of sets 5 and 6 are called, as a child would hear them read out.
DOT_COUNTS = [("одна точка", "one dot"), ("две точки", "two dots"),
              ("три точки", "three dots"), ("четыре точки", "four dots"),
              ("пять точек", "five dots"), ("шесть точек", "six dots"),
              ("семь точек", "seven dots"), ("восемь точек", "eight dots"),
              ("девять точек", "nine dots"), ("десять точек", "ten dots"),
              ("одиннадцать точек", "eleven dots"), ("двенадцать точек", "twelve dots")]

LETTERS = "ABCDEFGHIJKL"

# Each card is also written at twice the size, "N@2x.gif", for high-DPI screens.
SCALES = (1, 2)


def tile(bg, border, scale):
    """A pale tile at supersampled size with a soft rounded border."""
    k = SS * scale
    im = Image.new("RGB", (W * k, H * k), bg)
    d = ImageDraw.Draw(im)
    d.rounded_rectangle((2 * k, 2 * k, (W - 2) * k - 1, (H - 2) * k - 1),
                        radius=10 * k, outline=border, width=2 * k)
    return im


def finish(im, scale):
    """Downscale a supersampled tile to card size."""
    return im.resize((W * scale, H * scale), Image.LANCZOS)


def darker(c, f=0.55):
    return tuple(int(v * f) for v in c)


def emoji_card(ch, bg, border, font, scale):
    glyph = Image.new("RGBA", (160, 160), (0, 0, 0, 0))
    ImageDraw.Draw(glyph).text((10, 10), ch, font=font, embedded_color=True)
    bbox = glyph.getbbox()
    assert bbox, "emoji U+%04X did not render" % ord(ch[0])
    glyph = glyph.crop(bbox)
    # The font has 109 px bitmaps only: at twice the size a small emoji is enlarged a little,
    # never by much more than a tenth.
    assert max(glyph.size) * 1.15 >= EMOJI_BOX * scale, "emoji U+%04X is too small" % ord(ch[0])
    fit = EMOJI_BOX * scale / max(glyph.size)
    size = (max(1, round(glyph.width * fit)), max(1, round(glyph.height * fit)))
    glyph = glyph.resize(size, Image.LANCZOS)
    card = finish(tile(bg, border, scale), scale).convert("RGBA")
    card.alpha_composite(glyph, ((W * scale - size[0]) // 2, (H * scale - size[1]) // 2))
    return card.convert("RGB")


def text_card(text, colour, bg, border, size, scale):
    k = SS * scale
    im = tile(bg, border, scale)
    d = ImageDraw.Draw(im)
    font = ImageFont.truetype(SERIF_I_FONT if text == "I" else BOLD_FONT, size * k)
    stroke = 2 * k
    # centre on the ink box, not on the font's line box
    l, t, r, b = d.textbbox((0, 0), text, font=font, stroke_width=stroke)
    x = (W * k - (r - l)) // 2 - l
    y = (H * k - (b - t)) // 2 - t
    # soft shadow, then the letter with a darker outline
    d.text((x + 2 * k, y + 2 * k), text, font=font, fill=darker(bg, 0.82),
           stroke_width=stroke, stroke_fill=darker(bg, 0.82))
    d.text((x, y), text, font=font, fill=colour,
           stroke_width=stroke, stroke_fill=darker(colour))
    return finish(im, scale)


def dots_card(n, colour, bg, border, scale):
    k = SS * scale
    im = tile(bg, border, scale)
    d = ImageDraw.Draw(im)
    rows = DOT_ROWS[n]
    # fewer dots are drawn bigger, so a lone dot still fills the card
    diam, step = {1: (32, 0), 2: (26, 36), 3: (20, 22), 4: (22, 30),
                  5: (20, 22), 6: (20, 27)}.get(n, (15, 19))
    diam, step = diam * k, step * k
    mx, my = W * k / 2, H * k / 2
    if n == 3:        # diagonal, like a die
        centres = [(mx + i * step, my + i * step) for i in (-1, 0, 1)]
    elif n == 5:      # die face: four corners and the middle
        centres = [(mx + a * step, my + b * step)
                   for a, b in ((-1, -1), (1, -1), (0, 0), (-1, 1), (1, 1))]
    else:
        centres = []
        cy0 = my - (len(rows) - 1) * step / 2
        for ri, count in enumerate(rows):
            cx0 = mx - (count - 1) * step / 2
            centres += [(cx0 + i * step, cy0 + ri * step) for i in range(count)]
    assert len(centres) == n
    r = diam / 2
    for cx, cy in centres:
        d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=colour,
                  outline=darker(colour), width=k + k // 2)
        # small highlight so the dots look like shiny buttons
        h = r * 0.35
        d.ellipse((cx - r * 0.45 - h / 2, cy - r * 0.45 - h / 2,
                   cx - r * 0.45 + h / 2, cy - r * 0.45 + h / 2),
                  fill=tuple(min(255, v + 110) for v in colour))
    return finish(im, scale)


def draw_sets(emoji_font, scale):
    """Every set's cards at the given scale: [(folder, display name, cards)]."""
    all_sets = []
    for folder, name, bg, border, pictures in EMOJI_SETS:
        all_sets.append((folder, name, [emoji_card(ch, bg, border, emoji_font, scale)
                                        for ch, _, _ in pictures]))

    folder, name, bg, border = LETTER_SET
    cards = [text_card(c, pair_colours(i)[0], bg, border, 66, scale) for i, c in enumerate(LETTERS)]
    cards += [text_card(c.lower(), pair_colours(i)[1], bg, border, 66, scale)
              for i, c in enumerate(LETTERS)]
    all_sets.append((folder, name, cards))

    folder, name, bg, border = NUMBER_SET
    cards = [text_card(str(n), pair_colours(n - 1)[0], bg, border, 62 if n < 10 else 52, scale)
             for n in range(1, 13)]
    cards += [dots_card(n, pair_colours(n - 1)[1], bg, border, scale) for n in range(1, 13)]
    all_sets.append((folder, name, cards))
    return all_sets


def picture_names():
    """{folder: [(Russian, English)]}, picture n's names at index n."""
    names = {folder: [(ru, en) for _, ru, en in pictures]
             for folder, _, _, _, pictures in EMOJI_SETS}
    names[LETTER_SET[0]] = ([("большая буква " + c, "capital letter " + c) for c in LETTERS] +
                            [("маленькая буква " + c.lower(), "small letter " + c.lower())
                             for c in LETTERS])
    names[NUMBER_SET[0]] = ([("число %d" % n, "number %d" % n) for n in range(1, 13)] +
                            DOT_COUNTS)
    return names


def names_bytes(folder, names):
    """names.txt: "Russian|English" for each picture in order, UTF-8, CR LF."""
    for ru, en in names:
        for text in (ru, en):
            assert text and text == text.strip() and not set(text) & set("|\r\n"), \
                "%s: bad picture name %r" % (folder, text)
    assert len(set(names)) == len(names), "%s: two pictures share a name" % folder
    return "".join("%s|%s\r\n" % pair for pair in names).encode("utf-8")


def to_gif(im, path, scale):
    """Adaptive palette, no dithering; written deterministically."""
    assert im.size == (W * scale, H * scale)
    q = im.quantize(colors=255, method=Image.Quantize.MEDIANCUT,
                    dither=Image.Dither.NONE)
    q.save(path, format="GIF", optimize=False)


def write_set(root, folder, name, cards_by_scale, names):
    out = os.path.join(root, folder)
    os.makedirs(out, exist_ok=True)
    for f in os.listdir(out):          # drop pictures left from older runs
        if f.endswith(".gif"):
            os.remove(os.path.join(out, f))
    for scale, cards in cards_by_scale.items():
        suffix = "" if scale == 1 else "@%dx" % scale
        for i, im in enumerate(cards):
            to_gif(im, os.path.join(out, "%d%s.gif" % (i, suffix)), scale)
    assert name.isascii() and len(name) <= 9
    with open(os.path.join(out, "setname.txt"), "wb") as f:
        f.write(name.encode("ascii") + b"\r\n")
    with open(os.path.join(out, "names.txt"), "wb") as f:
        f.write(names_bytes(folder, names))


def check_distinct(folder, cards):
    """Every picture of a set must clearly differ from the others."""
    small = [c.convert("L").resize((18, 16), Image.BILINEAR) for c in cards]
    for i in range(len(small)):
        for j in range(i + 1, len(small)):
            diff = ImageChops.difference(small[i], small[j]).getbbox()
            assert diff is not None, "%s: %d.gif and %d.gif are the same" % (folder, i, j)


def luminance(c):
    """Relative luminance of an sRGB colour, 0 (black) .. 1 (white)."""
    lin = [v / 255 / 12.92 if v <= 10 else ((v / 255 + 0.055) / 1.055) ** 2.4 for v in c]
    return 0.2126 * lin[0] + 0.7152 * lin[1] + 0.0722 * lin[2]


def ink(card):
    """The colour a card is drawn in: its commonest strongly coloured pixel."""
    strong = [(count, c) for count, c in card.getcolors(W * H * 4) if max(c) - min(c) > 80]
    return max(strong)[1]


def check_pair_colours(folder, cards):
    """Colour must not tell which cards of a number-pair set belong together, nor hide them."""
    pairs = [(ink(cards[n]), ink(cards[n + 12])) for n in range(12)]
    for n, (a, b) in enumerate(pairs):
        assert a in CARD_COLOURS and b in CARD_COLOURS, "%s: pair %d is off colour" % (folder, n)
        assert a != b, "%s: %d.gif and %d.gif share a colour" % (folder, n, n + 12)
    for c in CARD_COLOURS:
        # several pairs wear each colour, and no two cards of one colour have partners alike
        for partners in ([b for a, b in pairs if a == c], [a for a, b in pairs if b == c]):
            assert len(partners) >= 2 and len(set(partners)) == len(partners), \
                "%s: colour %r tells pairs apart" % (folder, c)
        bg = cards[0].getpixel((0, 0))
        ratio = (luminance(bg) + 0.05) / (luminance(c) + 0.05)
        assert ratio >= 3.5, "%s: colour %r is too pale on its tile" % (folder, c)


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
    for _, _, _, _, pictures in EMOJI_SETS:
        assert len(pictures) == 12 and len({ch for ch, _, _ in pictures}) == 12
    drawn = {scale: draw_sets(emoji_font, scale) for scale in SCALES}
    all_sets = drawn[1]
    names = picture_names()

    all_names = set()
    for n, (folder, name, cards) in enumerate(all_sets):
        # picture sets have 12 cards; number-pair sets have 24 (13.gif marks them)
        assert len(cards) == (24 if folder in ("img5", "img6") else 12), folder
        assert len(names[folder]) == len(cards), folder
        assert name not in all_names
        all_names.add(name)
        check_distinct(folder, cards)
        if len(cards) == 24:
            check_pair_colours(folder, cards)
        write_set(root, folder, name, {scale: drawn[scale][n][2] for scale in SCALES},
                  names[folder])

    if sheet:
        contact_sheet(root, [(f, c) for f, _, c in all_sets], sheet)


if __name__ == "__main__":
    main()

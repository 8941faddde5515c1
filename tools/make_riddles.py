#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Kestrova developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Write the riddle game's content: texts, answer pictures, pointers, window.

    data/zagadki/zagi.txt          the fourteen riddles, Windows-1251, CR LF
    data/zagadki/zN-k.gif          riddle N's three answer pictures, 57 x 41
    data/zagadki/140..142.ico      pointers over the pictures of riddle 13
    src/riddles/design/frame.png   the riddles window's background, 454 x 315
    src/ui/design/hand.png         the pointing-hand pointer, 32 x 32

The pictures, the window's background and the hand are also drawn at twice
the size for high-DPI screens, with "@2x" before the extension:
zN-k@2x.gif (114 x 82), frame@2x.png (908 x 630) and hand@2x.png (64 x 64).

Riddle N's right answer, the one who says the words, is always picture
N mod 3; the other two pictures are plausible speakers drawn the same way,
so only the figure tells them apart.  Most figures are Noto Color Emoji,
some recoloured (Morozko is a blue and white Santa, the nightingale a
brown bird); the Russian stove, the kolobok and the priest are drawn here.

The output is deterministic: running the script again produces the same bytes.

Usage: /usr/bin/python3 tools/make_riddles.py [riddle-dir] [riddles-design-dir]
                                              [ui-design-dir] [--sheet out.png]
"""

import colorsys
import os
import struct
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFont, ImageStat, features

from make_pictures import split_sheet_arg

EMOJI_FONT = "/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf"
BOLD_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

# ---------------------------------------------------------------- riddles

# (lines, the three pictures in order k = 0, 1, 2, the speaker)
RIDDLES = [
    (["Голубушка, как хороша!",
      "Ну что за шейка, что за глазки!"],
     ("fox", "crow", "wolf"), "fox"),
    (["Ты всё пела? это дело:",
      "Так поди же, попляши!"],
     ("grasshopper", "ant", "ladybird"), "ant"),
    (["Чего тебе надобно, старче?"],
     ("old woman", "old man", "golden fish"), "golden fish"),
    (["Ты виноват уж тем, что хочется мне кушать."],
     ("wolf, head tilted", "lamb", "bear"), "wolf, head tilted"),
    (["Кири-ку-ку.",
      "Царствуй, лёжа на боку!"],
     ("hen", "golden cockerel", "duck"), "golden cockerel"),
    (["Тепло ли тебе, девица?",
      "Тепло ли тебе, красная?"],
     ("snowman", "grey-haired old man", "Morozko"), "Morozko"),
    (["Свет мой, зеркальце! скажи,",
      "Да всю правду доложи:",
      "Я ль на свете всех милее,",
      "Всех румяней и белее?"],
     ("queen", "mirror", "dog"), "queen"),
    (["А вы, друзья, как ни садитесь,",
      "Всё в музыканты не годитесь."],
     ("monkey", "nightingale", "goat"), "nightingale"),
    (["Съешь моего ржаного пирожка \u2014 скажу."],
     ("apple tree", "river", "stove"), "stove"),
    (["Это службишка, не служба,",
      "Служба всё, брат, впереди."],
     ("little horse", "whale", "firebird"), "little horse"),
    (["Я от дедушки ушёл,",
      "Я от бабушки ушёл!"],
     ("hare", "kolobok", "fox, head tilted"), "kolobok"),
    (["Здравствуй, князь ты мой прекрасный!",
      "Что ты тих, как день ненастный?",
      "Опечалился чему?"],
     ("squirrel", "mosquito", "swan"), "swan"),
    (["Вижу, вижу!",
      "Не садись на пенёк,",
      "Не ешь пирожок!",
      "Неси бабушке,",
      "Неси дедушке!"],
     ("girl", "bear with a basket", "grandmother"), "girl"),
    (["Не гонялся бы ты, поп, за дешевизной."],
     ("priest", "farmhand", "imp"), "farmhand"),
]

# ---------------------------------------------------------------- pictures

PIC_W, PIC_H = 57, 41
FIGURE_W, FIGURE_H = PIC_W - 6, PIC_H - 6   # 1 px border and 2 px air round the figure
CARD_GROUND = (255, 250, 232)
CARD_BORDER = (196, 170, 120)

SS = 4          # supersampling for shapes drawn here
SCALES = (1, 2)  # each picture also at twice the size, "@2x" before the extension


def at_scale(name, scale):
    """"frame.png" at scale 1, "frame@2x.png" at scale 2."""
    stem, ext = os.path.splitext(name)
    return name if scale == 1 else "%s@%dx%s" % (stem, scale, ext)


def emoji(text):
    """A function drawing the emoji sequence text, cropped to its ink."""
    def draw(font):
        im = Image.new("RGBA", (400, 200), (0, 0, 0, 0))
        ImageDraw.Draw(im).text((10, 10), text, font=font, embedded_color=True)
        bbox = im.getbbox()
        assert bbox, "emoji %s did not render" % " ".join("U+%04X" % ord(c) for c in text)
        # a sequence the layout engine did not join shows as two or more glyphs
        assert bbox[2] - bbox[0] <= 140, "emoji sequence %r was not joined" % text
        return im.crop(bbox)
    return draw


def turned(make, angle):
    """make's figure facing the other way, its head tilted by angle degrees.

    Gives a character who appears in two riddles a picture of its own.
    """
    def draw(font):
        im = make(font).transpose(Image.Transpose.FLIP_LEFT_RIGHT)
        im = im.rotate(angle, resample=Image.BICUBIC, expand=True)
        return im.crop(im.getbbox())
    return draw


def recoloured(make, rule):
    """make's figure with every pixel's (h, s, v) passed through rule.

    rule gets and returns hue, saturation and value in 0..1, or returns
    None to keep the pixel.
    """
    def draw(font):
        im = make(font)
        out = []
        for r, g, b, a in im.getdata():
            if a:
                hsv = rule(*colorsys.rgb_to_hsv(r / 255, g / 255, b / 255))
                if hsv is not None:
                    r, g, b = (round(255 * min(1.0, max(0.0, c)))
                               for c in colorsys.hsv_to_rgb(*hsv))
            out.append((r, g, b, a))
        im = im.copy()
        im.putdata(out)
        return im
    return draw


def red_to_blue(h, s, v):
    """Santa's red hat and coat turn frosty blue; white and skin stay."""
    if s > 0.35 and (h < 0.05 or h > 0.93):
        return 0.59, s * 0.8, min(1.0, v * 1.05)
    return None


def blue_to_brown(h, s, v):
    """A blue bird turns into a plain brown-grey songbird."""
    if s > 0.2 and 0.45 < h < 0.75:
        return 0.08, 0.25 + s * 0.2, v * 0.72
    return None


def blue_to_gold(h, s, v):
    """A blue fish turns into the golden fish."""
    if s > 0.12 and 0.4 < h < 0.8:
        return 0.115, min(1.0, 0.35 + s), min(1.0, v * 1.08)
    return None


def to_fire(h, s, v):
    """Greens and blues become flame colours: the peacock as a firebird."""
    if s > 0.2 and 0.16 < h < 0.8:
        return 0.13 - (h - 0.16) / 0.5 * 0.12, min(1.0, s * 1.1), min(1.0, 0.3 + v * 0.8)
    return None


def to_golden(h, s, v):
    """Everything but the red comb and wattles turns gold."""
    if s > 0.25 and 0.03 < h < 0.8:
        return 0.11, min(1.0, s * 0.9 + 0.2), min(1.0, 0.45 + v * 0.6)
    return None


def with_apples(make):
    """The tree with red apples hanging in its crown."""
    def draw(font):
        tree = make(font)
        w, h = tree.size
        big = tree.resize((w * SS, h * SS), Image.LANCZOS)
        d = ImageDraw.Draw(big)
        r = 0.075 * w * SS
        for fx, fy in ((0.30, 0.22), (0.62, 0.16), (0.78, 0.40), (0.20, 0.48),
                       (0.50, 0.40), (0.66, 0.60), (0.36, 0.64)):
            cx, cy = fx * w * SS, fy * h * SS
            d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=(222, 36, 36, 255),
                      outline=(140, 20, 20, 255), width=SS * 2)
            d.ellipse((cx - r * 0.55, cy - r * 0.6, cx - r * 0.1, cy - r * 0.15),
                      fill=(255, 150, 140, 255))
        return big.resize((w, h), Image.LANCZOS)
    return draw


def with_kerchief(make):
    """The old woman's head in a red kerchief with white dots, tied under the chin."""
    def draw(font):
        head = make(font)
        w, h = head.size
        pad = 12
        big = Image.new("RGBA", ((w + 2 * pad) * SS, (h + 2 * pad) * SS), (0, 0, 0, 0))

        def at(fx, fy):                      # fractions of the head's size
            return ((pad + fx * w) * SS, (pad + fy * h) * SS)

        def box(fx0, fy0, fx1, fy1):
            return at(fx0, fy0) + at(fx1, fy1)

        outer, face = box(-0.1, -0.07, 1.1, 0.98), box(0.1, 0.24, 0.9, 1.12)
        red, dark = (214, 44, 44, 255), (130, 20, 24, 255)
        d = ImageDraw.Draw(big)
        # the two ends of the knot hang below the chin, behind the head
        for side in (-1, 1):
            d.polygon([at(0.5, 0.92), at(0.5 + side * 0.22, 1.08), at(0.5 + side * 0.05, 1.1)],
                      fill=red, outline=dark)
        big.alpha_composite(head.resize((w * SS, h * SS), Image.LANCZOS), (pad * SS, pad * SS))
        # the kerchief is a dotted red hood with the face cut out of it
        layer = Image.new("RGBA", big.size, (0, 0, 0, 0))
        ld = ImageDraw.Draw(layer)
        ld.ellipse(outer, fill=dark)
        ld.ellipse(box(-0.08, -0.05, 1.08, 0.96), fill=red)
        r = 0.035 * w * SS
        for fx, fy in ((0.2, 0.08), (0.5, 0.0), (0.8, 0.08), (0.35, 0.15), (0.65, 0.15),
                       (0.04, 0.4), (0.96, 0.4), (0.03, 0.62), (0.97, 0.62)):
            cx, cy = at(fx, fy)
            ld.ellipse((cx - r, cy - r, cx + r, cy + r), fill=(255, 246, 236, 255))
        ld.ellipse(face, outline=dark, width=SS * 2)
        hood = Image.new("L", big.size, 0)
        ImageDraw.Draw(hood).ellipse(outer, fill=255)
        ImageDraw.Draw(hood).ellipse(face, fill=0)
        big.alpha_composite(Image.composite(layer, Image.new("RGBA", big.size, (0, 0, 0, 0)), hood))
        ImageDraw.Draw(big).ellipse(box(0.44, 0.9, 0.56, 0.99), fill=red, outline=dark,
                                    width=SS * 2)                        # the knot
        im = big.resize((w + 2 * pad, h + 2 * pad), Image.LANCZOS)
        return im.crop(im.getbbox())
    return draw


def with_basket(make, basket):
    """The bear with the basket of pies in front of him, at the lower right."""
    def draw(font):
        bear = make(font)
        box = basket(font)
        scale = 0.62 * bear.width / box.width
        box = box.resize((round(box.width * scale), round(box.height * scale)), Image.LANCZOS)
        canvas = Image.new("RGBA", (bear.width + box.width // 3, bear.height + box.height // 4),
                           (0, 0, 0, 0))
        canvas.alpha_composite(bear, (0, 0))
        canvas.alpha_composite(box, (canvas.width - box.width, canvas.height - box.height))
        return canvas.crop(canvas.getbbox())
    return draw


def stove(font):
    """A white-washed Russian stove: a big block with a fire in its arched
    mouth, a lower bench block at its side and a chimney at the back."""
    w, h = 132, 104
    im = Image.new("RGBA", (w * SS, h * SS), (0, 0, 0, 0))
    d = ImageDraw.Draw(im)

    def box(x0, y0, x1, y1):
        return (x0 * SS, y0 * SS, x1 * SS, y1 * SS)

    line = (112, 96, 86, 255)
    white = (248, 244, 234, 255)
    shade = (222, 214, 200, 255)
    niche = (150, 128, 112, 255)
    red = (206, 54, 44, 255)
    # chimney behind the block
    d.rectangle(box(94, 3, 112, 36), fill=white, outline=line, width=3 * SS)
    d.rectangle(box(90, 2, 116, 9), fill=shade, outline=line, width=3 * SS)
    # bench block at the left, then the stove itself
    d.rounded_rectangle(box(3, 56, 40, 100), radius=4 * SS, fill=white, outline=line, width=3 * SS)
    d.rounded_rectangle(box(28, 28, 128, 100), radius=7 * SS, fill=white, outline=line, width=3 * SS)
    # painted band along the top: red dots between two lines
    d.line(box(33, 36, 123, 36), fill=red, width=2 * SS)
    for i in range(10):
        cx = 36 + i * 9.6
        d.ellipse(box(cx - 2, 39, cx + 2, 43), fill=red)
    d.line(box(33, 46, 123, 46), fill=red, width=2 * SS)
    # the mouth: an arch, dark inside, with the fire
    soot = (56, 34, 28, 255)
    d.rectangle(box(56, 66, 100, 88), fill=soot)
    d.ellipse(box(56, 52, 100, 80), fill=soot)
    d.arc(box(53, 49, 103, 83), 180, 360, fill=line, width=4 * SS)
    d.line(box(53, 66, 53, 88), fill=line, width=4 * SS)
    d.line(box(103, 66, 103, 88), fill=line, width=4 * SS)
    flames = [
        ((255, 120, 20, 255), [(58, 88), (61, 72), (66, 79), (71, 58), (78, 75), (84, 62),
                               (90, 77), (95, 68), (98, 88)]),
        ((255, 200, 40, 255), [(64, 88), (68, 77), (73, 82), (78, 68), (83, 82), (88, 76),
                               (92, 88)]),
        ((255, 248, 170, 255), [(72, 88), (75, 81), (78, 76), (81, 81), (84, 88)]),
    ]
    for colour, pts in flames:
        d.polygon([(x * SS, y * SS) for x, y in pts], fill=colour)
    d.rounded_rectangle(box(62, 85, 94, 90), radius=2 * SS, fill=(120, 70, 36, 255))   # logs
    # the hearth shelf in front of the mouth
    d.rectangle(box(48, 89, 108, 94), fill=shade, outline=line, width=2 * SS)
    # small niches: one in the bench, one at the stove's right
    for x0, y0 in ((12, 72), (110, 66)):
        d.rectangle(box(x0, y0 + 5, x0 + 12, y0 + 16), fill=niche)
        d.ellipse(box(x0, y0, x0 + 12, y0 + 11), fill=niche)
    im = im.resize((w, h), Image.LANCZOS)
    return im.crop(im.getbbox())


def kolobok(font):
    """A round golden bun with a smiling face."""
    n = 110
    im = Image.new("RGBA", (n * SS, n * SS), (0, 0, 0, 0))
    d = ImageDraw.Draw(im)

    def box(x0, y0, x1, y1):
        return (x0 * SS, y0 * SS, x1 * SS, y1 * SS)

    d.ellipse(box(4, 4, 106, 106), fill=(176, 104, 34, 255))          # crust edge
    d.ellipse(box(9, 8, 103, 102), fill=(226, 156, 58, 255))
    d.ellipse(box(20, 14, 88, 74), fill=(240, 186, 90, 255))
    d.ellipse(box(26, 18, 58, 42), fill=(252, 222, 150, 255))         # shine
    for cx in (38, 72):                                                # rosy cheeks
        d.ellipse(box(cx - 10, 62, cx + 10, 76), fill=(238, 120, 80, 255))
    for cx in (40, 70):                                                # eyes
        d.ellipse(box(cx - 6, 38, cx + 6, 54), fill=(50, 30, 20, 255))
        d.ellipse(box(cx - 3, 40, cx + 1, 45), fill=(255, 255, 255, 255))
    d.arc(box(34, 50, 76, 86), 20, 160, fill=(110, 40, 20, 255), width=5 * SS)
    d.ellipse(box(4, 4, 106, 106), outline=(130, 74, 24, 255), width=3 * SS)
    im = im.resize((n, n), Image.LANCZOS)
    return im.crop(im.getbbox())


def priest(font):
    """A bearded man in a black cassock and brimless black hat, with a cross."""
    head = emoji("\U0001F9D4\u200D\u2642\uFE0F")(font)       # man with a beard
    scale = 78 / head.height
    head = head.resize((round(head.width * scale), 78), Image.LANCZOS)
    w, h = 124, 128
    im = Image.new("RGBA", (w * SS, h * SS), (0, 0, 0, 0))
    d = ImageDraw.Draw(im)
    black = (40, 36, 44, 255)
    # cassock: round shoulders widening downwards
    d.rounded_rectangle((14 * SS, 70 * SS, 110 * SS, 150 * SS), radius=30 * SS, fill=black)
    im = im.resize((w, h), Image.LANCZOS)
    hx = (w - head.width) // 2
    im.alpha_composite(head, (hx, 22))
    big = im.resize((w * SS, h * SS), Image.LANCZOS)
    d = ImageDraw.Draw(big)
    # brimless hat widening upwards, with a flat top
    d.polygon([(40 * SS, 40 * SS), (34 * SS, 8 * SS), (90 * SS, 8 * SS), (84 * SS, 40 * SS)],
              fill=black)
    d.rounded_rectangle((32 * SS, 4 * SS, 92 * SS, 11 * SS), radius=2 * SS, fill=(70, 64, 76, 255))
    # golden cross on the chest, below the beard
    gold = (246, 196, 50, 255)
    d.rectangle((59 * SS, 104 * SS, 65 * SS, 126 * SS), fill=gold)
    d.rectangle((53 * SS, 109 * SS, 71 * SS, 114 * SS), fill=gold)
    im = big.resize((w, h), Image.LANCZOS)
    return im.crop(im.getbbox())


# Each figure is a function of the emoji font giving an RGBA image cropped to its ink.
FOX = emoji("\U0001F98A")
WOLF = emoji("\U0001F43A")
BEAR = emoji("\U0001F43B")

FIGURES = {
    "fox": FOX,
    "fox, head tilted": turned(FOX, -14),
    "crow": emoji("\U0001F426\u200D\u2B1B"),                         # black bird
    "wolf": WOLF,
    "wolf, head tilted": turned(WOLF, 12),
    "grasshopper": emoji("\U0001F997"),                              # cricket
    "ant": emoji("\U0001F41C"),
    "ladybird": emoji("\U0001F41E"),
    "old woman": emoji("\U0001F475"),
    "old man": emoji("\U0001F474"),
    "golden fish": recoloured(emoji("\U0001F41F"), blue_to_gold),
    "lamb": emoji("\U0001F411"),
    "bear": BEAR,
    "hen": emoji("\U0001F414"),
    "golden cockerel": recoloured(emoji("\U0001F413"), to_golden),
    "duck": emoji("\U0001F986"),
    "snowman": emoji("\u26C4"),
    "grey-haired old man": emoji("\U0001F9D3"),                      # older person
    "Morozko": recoloured(emoji("\U0001F385"), red_to_blue),
    "queen": emoji("\U0001F478"),                                    # crowned princess
    "mirror": emoji("\U0001FA9E"),
    "dog": emoji("\U0001F415"),
    "monkey": emoji("\U0001F412"),
    "nightingale": recoloured(emoji("\U0001F426"), blue_to_brown),
    "goat": emoji("\U0001F410"),
    "apple tree": with_apples(emoji("\U0001F333")),
    "river": emoji("\U0001F3DE\uFE0F"),                              # river in a valley
    "stove": stove,
    "little horse": emoji("\U0001F40E"),
    "whale": emoji("\U0001F40B"),
    "firebird": recoloured(emoji("\U0001F99A"), to_fire),
    "hare": emoji("\U0001F407"),
    "kolobok": kolobok,
    "squirrel": emoji("\U0001F43F\uFE0F"),
    "mosquito": emoji("\U0001F99F"),
    "swan": emoji("\U0001F9A2"),
    "girl": emoji("\U0001F467"),
    "bear with a basket": with_basket(BEAR, emoji("\U0001F9FA")),
    "grandmother": with_kerchief(emoji("\U0001F475")),
    "priest": priest,
    "farmhand": emoji("\U0001F468\u200D\U0001F33E"),                 # farmer with a pitchfork
    "imp": emoji("\U0001F608"),
}


def picture(figure, scale=1):
    """The figure fitted and centred on a pale card with a thin border."""
    w, h = PIC_W * scale, PIC_H * scale
    fit = min(FIGURE_W * scale / figure.width, FIGURE_H * scale / figure.height)
    # the figures are drawn large enough for the pictures at twice the size
    assert fit <= 1.0, "a figure of %d x %d would be enlarged" % figure.size
    size = (max(1, round(figure.width * fit)), max(1, round(figure.height * fit)))
    small = figure.resize(size, Image.LANCZOS)
    card = Image.new("RGBA", (w, h), CARD_GROUND + (255,))
    ImageDraw.Draw(card).rectangle((0, 0, w - 1, h - 1), outline=CARD_BORDER + (255,),
                                   width=scale)
    card.alpha_composite(small, ((w - size[0]) // 2, (h - size[1]) // 2))
    return card.convert("RGB")


def to_gif(im, path, scale=1):
    """Adaptive palette, no dithering; written deterministically."""
    assert im.size == (PIC_W * scale, PIC_H * scale)
    q = im.quantize(colors=255, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    q.save(path, format="GIF", optimize=False)


def check_distinct(named):
    """No two answer pictures may look alike, even when small."""
    small = [(n, p.convert("L").resize((19, 14), Image.BILINEAR)) for n, p in named]
    for i in range(len(small)):
        for j in range(i + 1, len(small)):
            diff = ImageStat.Stat(ImageChops.difference(small[i][1], small[j][1])).mean[0]
            assert diff > 4, "pictures %s and %s look the same" % (small[i][0], small[j][0])


# ---------------------------------------------------------------- riddle file

def riddle_file_bytes():
    lines = []
    for n, (text, _, _) in enumerate(RIDDLES):
        if n:
            lines.append("***")
        lines += text
    for line in lines:
        assert line == line.strip() and line, "blank or padded riddle line %r" % line
        for c in line:
            try:
                c.encode("cp1251")
            except UnicodeEncodeError:
                sys.exit("riddle line %r: %r (U+%04X) has no Windows-1251 code"
                         % (line, c, ord(c)))
    return "".join(line + "\r\n" for line in lines).encode("cp1251")


def check_riddle_file(data):
    """Read the file back the way the game splits it."""
    assert not data.startswith(b"\xef\xbb\xbf")
    assert data.endswith(b"\r\n")
    assert b"\r\n".join(data.split(b"\r\n")) == data
    assert data.count(b"\n") == data.count(b"\r\n") == data.count(b"\r")
    lines = data.decode("cp1251").split("\r\n")[:-1]
    riddles, current = [], []
    for line in lines:
        if line == "***":
            riddles.append(current)
            current = []
        else:
            current.append(line)
    riddles.append(current)
    assert len(riddles) == 14 and lines.count("***") == 13
    assert all(r == text for r, (text, _, _) in zip(riddles, RIDDLES))
    assert "ё" in riddles[1][0] and "\u2014" in riddles[8][0]


# ---------------------------------------------------------------- pointers

ICON = 32


def mark_icon(ch):
    """A bold yellow mark with a dark outline, centred on a clear square."""
    big = ICON * 8
    font = ImageFont.truetype(BOLD_FONT, 220)
    stroke = 22
    im = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    d = ImageDraw.Draw(im)
    l, t, r, b = d.textbbox((0, 0), ch, font=font, stroke_width=stroke)
    x = (big - (r - l)) // 2 - l
    y = (big - (b - t)) // 2 - t
    d.text((x, y), ch, font=font, fill=(255, 214, 40, 255),
           stroke_width=stroke, stroke_fill=(40, 34, 70, 255))
    return im.resize((ICON, ICON), Image.LANCZOS)


def ico_bytes(im):
    """A one-image 32-bit Windows icon file with straight alpha and an AND mask."""
    assert im.size == (ICON, ICON) and im.mode == "RGBA"
    px = im.load()
    xor = bytearray()
    mask = bytearray()
    for y in range(ICON - 1, -1, -1):            # rows bottom-up
        bits = 0
        for x in range(ICON):
            r, g, b, a = px[x, y]
            xor += bytes((b, g, r, a))
            bits = (bits << 1) | (a == 0)
        mask += struct.pack(">I", bits)         # 32 px: one 4-byte row
    header = struct.pack("<IiiHHIIiiII", 40, ICON, 2 * ICON, 1, 32, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    image = header + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", ICON, ICON, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


def hand_pointer(scale=1):
    """The pointing hand: white glove-less hand, dark outline, blue cuff.

    Drawn on an 8x grid and scaled down; the index finger's tip is pixel
    (12, 1), where the pointer points (at twice the size, the pixels from
    (24, 2) to (25, 3)).
    """
    k = 8 * scale
    size = ICON * k

    def p(v):
        return round(v * k)

    outline = (30, 30, 40, 255)
    white = (255, 255, 255, 255)
    cuff = (40, 90, 200, 255)

    def shape(draw, fill, grow):
        g = grow
        # index finger, its rounded top at y = 1
        draw.rounded_rectangle((p(9.6 - g), p(2.0 - g), p(15.4 + g), p(17 + g)),
                               radius=p(2.9 + g), fill=fill)
        # three folded fingers, stepping down to the right
        for x0, top in ((15.0, 10.2), (18.8, 11.2), (22.6, 12.6)):
            draw.rounded_rectangle((p(x0 - g), p(top - g), p(x0 + 4.6 + g), p(top + 8 + g)),
                                   radius=p(2.2 + g), fill=fill)
        # palm and back of the hand
        draw.rounded_rectangle((p(9.6 - g), p(13.5 - g), p(27.2 + g), p(26.5 + g)),
                               radius=p(4 + g), fill=fill)
        # thumb, reaching up and out on the left
        draw.polygon([(p(10.5), p(24 + g)), (p(3.2 - g), p(17.8)), (p(3.6 - g), p(14.6 - g)),
                      (p(6.2), p(14.2 - g)), (p(10.5), p(17.5))], fill=fill)
        draw.ellipse((p(2.6 - g), p(13.8 - g), p(7 + g), p(18.2 + g)), fill=fill)
        # wrist
        draw.rectangle((p(11.5 - g), p(24), p(25.5 + g), p(28)), fill=fill)

    im = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    d = ImageDraw.Draw(im)
    shape(d, outline, 1.0)
    shape(d, white, 0.0)
    # creases between the folded fingers
    for x in (18.8, 22.6):
        d.line((p(x), p(14), p(x), p(18.5)), fill=outline, width=p(0.8))
    d.line((p(15.4), p(13.5), p(15.4), p(18.5)), fill=outline, width=p(0.8))
    # blue cuff at the wrist
    d.rectangle((p(10.2), p(26.2), p(26.8), p(31)), fill=outline)
    d.rectangle((p(11.2), p(27.2), p(25.8), p(30)), fill=cuff)
    return im.resize((ICON * scale, ICON * scale), Image.LANCZOS)


# ---------------------------------------------------------------- window

FRAME_W, FRAME_H = 454, 315
VISIBLE = (100, 10, 443, 219)        # inclusive; the window is cut to this rounded box
CORNER = 15
CREAM = (255, 248, 226)
BLUE = (40, 80, 170)
SLOT = (244, 232, 200)
SLOT_EDGE = (222, 206, 166)
PICTURE_PLACES = [(144, 163), (248, 163), (344, 163)]   # top-left of each 57 x 41 picture
LEFT_BUTTON = (123, 32)      # centre pixels of the arrow buttons
RIGHT_BUTTON = (418, 31)


def window_background(scale=1):
    """Cream window in a rounded blue frame, a heading bar with two arrow
    buttons, and soft slots where the answer pictures go."""
    s = SS * scale

    def b(x0, y0, x1, y1):
        """A box of whole window pixels x0..x1, y0..y1 on the fine grid."""
        return (x0 * s, y0 * s, (x1 + 1) * s - 1, (y1 + 1) * s - 1)

    im = Image.new("RGB", (FRAME_W * s, FRAME_H * s), CREAM)
    x0, y0, x1, y1 = VISIBLE
    frame = 5
    # heading bar: a soft blue gradient filling the frame's top, below its rounded corners
    bar_bottom = 44
    inner = Image.new("L", im.size, 0)
    ImageDraw.Draw(inner).rounded_rectangle(b(x0 + frame, y0 + frame, x1 - frame, y1 - frame),
                                            radius=(CORNER - frame) * s, fill=255)
    ImageDraw.Draw(inner).rectangle((0, (bar_bottom + 1) * s, im.width, im.height), fill=0)
    top_row = (y0 + frame) * s
    bar = Image.new("RGB", (1, (bar_bottom + 1) * s - top_row))
    for y in range(bar.height):
        t = y / (bar.height - 1)
        bar.putpixel((0, y), tuple(round(a + (c - a) * t)
                                   for a, c in zip((80, 128, 216), (46, 90, 182))))
    gradient = Image.new("RGB", im.size, CREAM)
    gradient.paste(bar.resize((im.width, bar.height)), (0, top_row))
    im.paste(gradient, (0, 0), inner)
    d = ImageDraw.Draw(im)
    # thin light line under the bar
    d.rectangle(b(x0 + frame, bar_bottom + 1, x1 - frame, bar_bottom + 1), fill=(150, 180, 232))
    d.rounded_rectangle(b(x0, y0, x1, y1), radius=CORNER * s, outline=BLUE, width=frame * s)

    for (cx, cy), direction in ((LEFT_BUTTON, -1), (RIGHT_BUTTON, 1)):
        _arrow_button(d, (cx + 0.5) * s, (cy + 0.5) * s, direction, s)

    # soft slots under the answer pictures
    for px, py in PICTURE_PLACES:
        d.rounded_rectangle(b(px - 3, py - 3, px + 56 + 3, py + 40 + 3), radius=5 * s,
                            fill=SLOT, outline=SLOT_EDGE, width=s)
    # area averaging: curves come out smooth and straight edges stay crisp
    return im.resize((FRAME_W * scale, FRAME_H * scale), Image.BOX)


def check_window(im, scale=1):
    """The places the window draws on must stay as the game expects them."""
    def box(x0, y0, x1, y1):
        return (x0 * scale, y0 * scale, x1 * scale, y1 * scale)

    def pixel(x, y):
        """The colour at window pixel (x, y): the middle one of its pixels at this scale."""
        return im.getpixel((x * scale + scale // 2, y * scale + scale // 2))

    assert im.size == (FRAME_W * scale, FRAME_H * scale) and im.mode == "RGB"
    text_area = im.crop(box(120, 56, 433, 153))
    assert text_area.getcolors() == [(text_area.width * text_area.height, CREAM)], \
        "the riddle text area is not plain"
    for px, py in PICTURE_PLACES:
        place = im.crop(box(px, py, px + PIC_W, py + PIC_H))
        assert place.getcolors() == [(place.width * place.height, SLOT)], \
            "picture place %d is not plain" % px
    for x, y in (LEFT_BUTTON, RIGHT_BUTTON):
        assert min(pixel(x, y)) > 230, "no arrow at (%d, %d)" % (x, y)
        assert pixel(x, y - 7)[2] > pixel(x, y - 7)[0] + 80, "no button ring"
    x0, y0, x1, y1 = VISIBLE
    assert pixel(x0 + 2, (y0 + y1) // 2) == BLUE and pixel(x0 + 5, 100) == CREAM


def _arrow_button(d, cx, cy, direction, s):
    """A round button with a white arrow pointing left (-1) or right (1)."""
    r = 9.5 * s
    d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=(235, 242, 255))
    r2 = r - 1.6 * s
    d.ellipse((cx - r2, cy - r2, cx + r2, cy + r2), fill=(64, 124, 224))
    # arrow: a head and a short shaft
    head, half, shaft = 5.0 * s, 5.0 * s, 1.6 * s
    tip = cx + direction * 5.6 * s
    base = tip - direction * head
    d.polygon([(tip, cy), (base, cy - half), (base, cy + half)], fill=(255, 255, 255))
    tail = cx - direction * 5.2 * s
    d.rectangle((min(base, tail), cy - shaft, max(base, tail), cy + shaft), fill=(255, 255, 255))


# ---------------------------------------------------------------- sheet

def contact_sheet(riddle_dir, design_dir, ui_dir, path):
    """The written files, three times enlarged, each answer picture labelled N-k."""
    z = 3
    label_font = ImageFont.truetype(BOLD_FONT, 13)
    cell_w, cell_h = PIC_W * z + 10, PIC_H * z + 24
    cols = 6                       # two riddles a row
    rows = (len(RIDDLES) + 1) // 2
    frame_w, frame_h = FRAME_W * 2, FRAME_H * 2
    sheet = Image.new("RGB", (max(cols * cell_w + 10, frame_w + 4 * (ICON * 4 + 10) + 20),
                              rows * cell_h + frame_h + 30), (96, 96, 96))
    d = ImageDraw.Draw(sheet)
    for n in range(len(RIDDLES)):
        for k in range(3):
            with Image.open(os.path.join(riddle_dir, "z%d-%d.gif" % (n, k))) as g:
                pic = g.convert("RGB").resize((PIC_W * z, PIC_H * z), Image.NEAREST)
            col = (n % 2) * 3 + k
            x, y = 10 + col * cell_w, 8 + (n // 2) * cell_h
            sheet.paste(pic, (x, y + 18))
            right = k == n % 3
            d.text((x, y), "%d-%d %s" % (n, k, "right" if right else ""), font=label_font,
                   fill=(255, 230, 120) if right else (255, 255, 255))
    top = rows * cell_h + 16
    with Image.open(os.path.join(design_dir, "frame.png")) as f:
        sheet.paste(f.convert("RGB").resize((frame_w, frame_h), Image.NEAREST), (10, top))
    files = [os.path.join(riddle_dir, "14%d.ico" % i) for i in range(3)]
    files.append(os.path.join(ui_dir, "hand.png"))
    for i, name in enumerate(files):
        with Image.open(name) as f:
            icon = f.convert("RGBA").resize((ICON * 4, ICON * 4), Image.NEAREST)
        x = 20 + frame_w + i * (ICON * 4 + 10)
        d.rectangle((x, top, x + ICON * 4 - 1, top + ICON * 4 - 1), fill=(255, 248, 226))
        sheet.paste(icon, (x, top), icon)
        sheet.paste(icon, (x, top + ICON * 4 + 10), icon)
    sheet.save(path)


# ---------------------------------------------------------------- main

def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def main():
    args, sheet = split_sheet_arg(sys.argv[1:])
    here = os.path.dirname(os.path.abspath(__file__))
    riddle_dir = args[0] if len(args) > 0 else os.path.join(here, "..", "data", "zagadki")
    design_dir = args[1] if len(args) > 1 else os.path.join(here, "..", "src", "riddles", "design")
    ui_dir = args[2] if len(args) > 2 else os.path.join(here, "..", "src", "ui", "design")
    if not features.check("raqm"):
        sys.exit("PIL lacks the raqm text layout, needed to join emoji sequences")

    assert len(RIDDLES) == 14
    used = []
    for n, (_, choices, speaker) in enumerate(RIDDLES):
        assert len(choices) == 3 and len(set(choices)) == 3
        assert choices.index(speaker) == n % 3, "riddle %d: the speaker must be picture %d" % (n, n % 3)
        used += choices
    assert len(set(used)) == len(used) == 42 and set(used) == set(FIGURES)

    for folder in (riddle_dir, design_dir, ui_dir):
        os.makedirs(folder, exist_ok=True)

    data = riddle_file_bytes()
    check_riddle_file(data)
    write(os.path.join(riddle_dir, "zagi.txt"), data)

    font = ImageFont.truetype(EMOJI_FONT, 109, layout_engine=ImageFont.Layout.RAQM)
    pictures = []
    for n, (_, choices, _) in enumerate(RIDDLES):
        for k, name in enumerate(choices):
            figure = FIGURES[name](font)
            for scale in SCALES:
                pic = picture(figure, scale)
                if scale == 1:
                    pictures.append((name, pic))
                to_gif(pic, os.path.join(riddle_dir, at_scale("z%d-%d.gif" % (n, k), scale)),
                       scale)
    check_distinct(pictures)

    for i, ch in enumerate("?!?"):
        write(os.path.join(riddle_dir, "14%d.ico" % i), ico_bytes(mark_icon(ch)))

    for scale in SCALES:
        frame = window_background(scale)
        check_window(frame, scale)
        frame.save(os.path.join(design_dir, at_scale("frame.png", scale)), format="PNG",
                   optimize=False)

        hand = hand_pointer(scale)
        tip = (12 * scale + scale // 2, scale + scale // 2)
        assert hand.getpixel(tip)[3] > 0 and hand.getpixel((tip[0], 0))[3] < 40
        hand.save(os.path.join(ui_dir, at_scale("hand.png", scale)), format="PNG", optimize=False)

    if sheet:
        contact_sheet(riddle_dir, design_dir, ui_dir, sheet)


if __name__ == "__main__":
    main()

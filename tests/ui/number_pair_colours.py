#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Kestrova developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""In the number-pair sets colour never gives a pair away.

Usage: number_pair_colours.py DATA_FOLDER
"""
# Reads the shipped pictures of every set whose folder holds 13.gif (picture n belongs with
# picture n + 12) and finds the colour each card is drawn in: its commonest strongly coloured
# pixel. A card and its partner must not share that colour, every colour must be worn by cards
# of several pairs, and the colour of one card must not tell the colour of its partner.

import glob
import os
import sys
from collections import Counter, defaultdict

from PIL import Image


def ink(path):
    strong = Counter(c for c in Image.open(path).convert("RGB").getdata() if max(c) - min(c) > 80)
    assert strong, "%s: no colour at all" % path
    return strong.most_common(1)[0][0]


sets = [f for f in sorted(glob.glob(os.path.join(sys.argv[1], "img*")))
        if os.path.exists(os.path.join(f, "13.gif"))]
assert len(sets) == 2, sets
for folder in sets:
    colour = [ink(os.path.join(folder, "%d.gif" % n)) for n in range(24)]
    partners = defaultdict(set)  # a colour: the colours of the partners of its cards
    pairs = defaultdict(set)  # a colour: the pairs whose cards wear it
    for n in range(24):
        partner = (n + 12) % 24
        assert colour[n] != colour[partner], "%s: %d.gif and %d.gif share %s" % (
            folder, n, partner, colour[n])
        partners[colour[n]].add(colour[partner])
        pairs[colour[n]].add(n % 12)
    for c in pairs:
        assert len(pairs[c]) >= 2, "%s: colour %s marks out one pair" % (folder, c)
        assert len(partners[c]) >= 2, "%s: colour %s tells its partners' colour" % (folder, c)
    print("%s: %d colours, partners never alike" % (folder, len(pairs)))

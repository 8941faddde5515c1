// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Window designs and window positions on the screen are given in twips; 15 make one pixel.
#pragma once

constexpr int TwipsPerPixel = 15;

// Pixels for a length in twips, to the nearest pixel.
constexpr int px(int twips) {
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

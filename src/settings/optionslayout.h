// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the options window's controls stand, in twips of its design (15 to a pixel).
#pragma once

#include "ui/twips.h"

#include <QRect>

namespace OptionsLayout {

struct TwipRect {
    int left, top, width, height;
    constexpr QRect pixels() const { return QRect(px(left), px(top), px(width), px(height)); }
};

constexpr int Width = 4560;
constexpr int Height = 3885;

// The frames: backgrounds, pictures, sound, riddles, records.
constexpr TwipRect Frame[5] = {{113, 120, 1575, 3615},
                               {1793, 120, 1575, 3615},
                               {3473, 120, 975, 615},
                               {3480, 840, 975, 615},
                               {3480, 1560, 975, 855}};

// The rows of the two tall frames, inside the frame: row n starts RowTop + RowPitch * n.
constexpr int RowTop = 480;
constexpr int RowPitch = 360;
constexpr int RowHeight = 255;
constexpr int BackgroundButtonLeft = 120;
constexpr int BackgroundButtonWidth = 375;
constexpr int PreviewLeft = 360;
constexpr int PreviewWidth = 1090;
constexpr int PictureButtonLeft = 120;
constexpr int PictureButtonWidth = 1380;

constexpr QRect row(int left, int width, int n) {
    return TwipRect{left, RowTop + RowPitch * n, width, RowHeight}.pixels();
}

// The check boxes inside their frames: sound, riddles, erase the records.
constexpr TwipRect SoundSwitch{120, 240, 735, 255};
constexpr TwipRect RiddleSwitch{120, 240, 735, 255};
constexpr TwipRect EraseSwitch{120, 240, 735, 495};

constexpr TwipRect LanguageLabel[2] = {{3480, 2520, 450, 255}, {4080, 2520, 450, 255}};
// The line between the language labels: from its top to its bottom at x = LineX.
constexpr int LineX = 3990;
constexpr int LineTop = 2520;
constexpr int LineBottom = 2760;

// "Photos…" and "Restore" in the strip between the last picture set and its Apply button.
constexpr TwipRect PhotoButton[2] = {{120, 2910, 705, 195}, {855, 2910, 645, 195}};

// Apply the background, apply the pictures, OK, Cancel.
constexpr TwipRect Button[4] = {{240, 3240, 1335, 375},
                                {1920, 3240, 1335, 375},
                                {3480, 3360, 975, 375},
                                {3480, 2880, 975, 375}};

} // namespace OptionsLayout

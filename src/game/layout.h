// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the main window's controls stand, in pixels of its 641 x 425 client area.
#pragma once

#include <QRect>

namespace Layout {

constexpr int ClientWidth = 641;
constexpr int ClientHeight = 425;

constexpr int GridColumns = 6;
constexpr int GridRows = 4;
constexpr int GridLeft = 16;
constexpr int GridTop = 40;
constexpr int PitchX = 104;
constexpr int PitchY = 94;
constexpr int CardWidth = 90;
constexpr int CardHeight = 80;

constexpr QRect cardRect(int card) {
    return QRect(GridLeft + PitchX * (card % GridColumns), GridTop + PitchY * (card / GridColumns),
                 CardWidth, CardHeight);
}

// The command bar: clear, options, help, records; on the screen records come first.
constexpr int CommandButtonX[4] = {432, 328, 224, 120};
constexpr int CommandButtonY = 7;
constexpr int CommandButtonWidth = 90;
constexpr int CommandButtonHeight = 25;

constexpr QRect TimeLabel(536, 7, 90, 25);

// The records view and the help box lie over the board, in the same place.
constexpr QRect RecordsView(112, 128, 417, 196);
constexpr QRect HelpBox(112, 128, 417, 193);
// The link to the maker's page in the top-left corner: the dark label lies one pixel right of
// and two below the white one, so that the text stands out in relief.
constexpr QRect MakerLabel(16, 9, 96, 20);
constexpr QRect MakerShadowLabel(17, 11, 96, 20);
// The small labels along the foot of the window.
constexpr QRect HomePageLabel(16, 406, 90, 16);
constexpr QRect RiddleLabel(329, 406, 90, 16);
constexpr QRect SoundLabel(433, 406, 90, 16);
constexpr QRect LanguageLabel[2] = {QRect(537, 406, 40, 16), QRect(586, 406, 40, 16)};

// The victory frame and the controls inside it (relative to the frame).
constexpr QRect VictoryFrame(216, 128, 209, 192);
constexpr QRect EndLabel[4] = {QRect(16, 8, 177, 49), QRect(16, 56, 177, 25),
                               QRect(16, 88, 177, 25), QRect(3, 115, 201, 17)};
constexpr int KindButtonX[3] = {28, 93, 159};
constexpr int KindButtonY = 117;
constexpr int KindButtonSize = 15;
constexpr QRect NameBox(8, 136, 97, 19);
constexpr QRect EndButton[3] = {QRect(8, 160, 97, 25), QRect(112, 160, 89, 25),
                                QRect(112, 136, 89, 19)};

} // namespace Layout

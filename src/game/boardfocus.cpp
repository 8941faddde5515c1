// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Moving the keyboard focus over the board of 6 × 4 cards.
#include "game/boardfocus.h"

#include "game/board.h"
#include "game/layout.h"

int moveFocus(int card, int columns, int rows) {
    const int column = card % Layout::GridColumns + columns;
    const int row = card / Layout::GridColumns + rows;
    if (card < 0 || card >= CardCount || column < 0 || column >= Layout::GridColumns || row < 0 ||
        row >= Layout::GridRows)
        return card;
    return row * Layout::GridColumns + column;
}

// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Moving the keyboard focus over the board of 6 × 4 cards.
#pragma once

// The card the arrow keys lead to from `card`: one column or row further, staying on the board
// (at an edge the focus stays where it is).
int moveFocus(int card, int columns, int rows);

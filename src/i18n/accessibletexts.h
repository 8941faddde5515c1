// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the game says to players who listen to it through a screen reader.
#pragma once

#include <QString>

enum class CardState { FaceDown, FaceUp, Found };

// A card's accessible name: its number counted from 1, its picture when it shows one, its state:
// "card 7, face down", "card 7, fox, found".
QString cardName(int card, CardState state, const QString &picture, bool russian);

// Said when two cards make a pair, when they do not, and when the game is won.
QString pairFoundText(const QString &picture, bool russian);
QString victoryText(const QString &time, bool record, bool russian);

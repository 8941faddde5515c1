// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Which picture is right, which riddle comes up, and the words that judge an answer.
#pragma once

#include <QString>
#include <array>

// The riddles the game asks: the first fourteen of the file.
constexpr int RiddleCount = 14;

// The right picture of riddle n: the pictures are stored so that it is picture n mod 3.
int answerPicture(int n);

// A riddle drawn at random from the uniform draw r in [0, 1): the whole part of
// (riddleCount - 1) * r, so the last riddle is never drawn; it is reached only by stepping.
int randomRiddle(int riddleCount, double r);

// The riddle after (forward) or before `number`, wrapping from the last to the first and back.
int steppedRiddle(int number, int riddleCount, bool forward);

// The words that judge an answer: 0..4 praise a right one, 5..9 reprove a wrong one; the last
// place stays empty.
constexpr int VerdictCount = 11;
std::array<QString, VerdictCount> verdictWords();
// The word for an answer, from the uniform draw r in [0, 1).
int verdictIndex(bool right, double r);

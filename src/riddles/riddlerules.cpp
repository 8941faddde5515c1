// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules of the riddles: the right answer, the draw, stepping and the verdict.
#include "riddles/riddlerules.h"

#include "ui/randomsource.h"

namespace {

constexpr int AnswerPictures = 3;
constexpr int VerdictChoices = 5;

} // namespace

int answerPicture(int n) {
    return n % AnswerPictures;
}

int randomRiddle(int riddleCount, double r) {
    return riddleCount > 1 ? wholePart(riddleCount - 1, r) : 0;
}

int steppedRiddle(int number, int riddleCount, bool forward) {
    if (forward)
        return number == riddleCount - 1 ? 0 : number + 1;
    return number == 0 ? riddleCount - 1 : number - 1;
}

std::array<QString, VerdictCount> verdictWords() {
    return {QStringLiteral("МОЛОДЕЦ"),
            QStringLiteral("ЗВЕЗДОЧЕТУС"),
            QStringLiteral("ЭКСТРАСЕНС"),
            QStringLiteral("ПРОВИДЕЦ"),
            QStringLiteral("БОТАНИК"),
            QStringLiteral("Тупица."),
            QStringLiteral("Тугодум."),
            QStringLiteral("Ослик."),
            QStringLiteral("Нет. Попробуй ещё."),
            QStringLiteral("Дубина."),
            QString()};
}

int verdictIndex(bool right, double r) {
    return wholePart(VerdictChoices, r) + (right ? 0 : VerdictChoices);
}

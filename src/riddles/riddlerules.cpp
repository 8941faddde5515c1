// The rules of the riddles: the right answer, the draw, stepping and the verdict.
#include "riddles/riddlerules.h"

#include <cmath>

namespace {

constexpr int AnswerPictures = 3;
constexpr int VerdictChoices = 5;

// The whole part of count * r for a draw r in [0, 1), kept below count even when the
// product rounds up to it.
int wholePart(int count, double r) {
    const double product = std::trunc(count * r);
    if (!(product > 0))
        return 0;
    return product >= count ? count - 1 : static_cast<int>(product);
}

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

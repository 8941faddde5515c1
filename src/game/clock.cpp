// Clock steps on the program-wide 16-bit counters, which stop at their largest value.
#include "game/clock.h"

#include "game/board.h"

#include "ui/localenumber.h"
#include "ui/programstate.h"

#include <limits>

namespace {
void increment(qint16 &counter) {
    if (counter < std::numeric_limits<qint16>::max())
        ++counter;
}
} // namespace

std::optional<QString> secondsStep(ProgramState &state, int openPairs) {
    increment(state.ClockSeconds);
    if (openPairs < TenthsFromPairs)
        return QString::number(state.ClockSeconds);
    // The next tenths tick then shows the new whole second.
    state.ClockTenths = -1;
    return std::nullopt;
}

QString tenthsStep(ProgramState &state, const QLocale &locale) {
    increment(state.ClockTenths);
    const double shown = state.ClockTenths / 10.0 + state.ClockSeconds;
    return formatGeneral(shown, locale);
}

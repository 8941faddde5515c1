// The game clock's two steps: whole seconds each second, tenths in the last two pairs.
#pragma once

#include <QLocale>
#include <QString>
#include <optional>

struct ProgramState;

// One tick of the seconds timer. Returns the new caption of the time label while fewer than
// ten pairs are open; from the tenth pair on the tenths step writes the label instead.
std::optional<QString> secondsStep(ProgramState &state, int openPairs);

// One tick of the tenths timer: the caption, such as "57.3" (or "57,3" in a comma locale).
QString tenthsStep(ProgramState &state, const QLocale &locale = QLocale());

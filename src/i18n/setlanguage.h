// Switches the interface language on both windows at once.
#pragma once

#include <QRect>
#include <array>

class Program;
class QWidget;
class ClickLabel;

// The labels "Rus" and "Eng" of a window, in bold, each applying its language when clicked.
std::array<ClickLabel *, 2> makeLanguageLabels(Program &program, QWidget *parent,
                                               const std::array<QRect, 2> &places);

// Records `lang` as the language, marks its label on both windows and, for exactly 0 (Russian)
// or 1 (English), applies that column of the caption table. Another value changes only the
// labels' colours (a label when it rounds to 0 or 1) and keeps every text as it is.
void SetLanguage(Program &program, float lang);

// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Numbers as the player reads and types them: the locale's decimal separator, tolerant parsing.
#pragma once

#include <QLocale>
#include <QString>
#include <optional>

// The shortest decimal form without trailing zeros, the locale's decimal separator, no group
// separators and no exponent below 1e16: 57.3 is "57,3" in Russian, 58.0 is "58". The value is
// first rounded to 15 significant digits so sums like 3 + 1/10.0 read "3.1".
QString formatGeneral(double value, const QLocale &locale = QLocale());

// Reads a number written under any locale: the locale's own form, or '.' or ',' as the decimal
// separator. Group separators, infinities and NaN are refused.
std::optional<double> parseLocaleNumber(const QString &text, const QLocale &locale = QLocale());

// Nearest whole number with ties to even (2.5 gives 2), clamped into int; NaN gives 0.
int roundHalfEven(double value);

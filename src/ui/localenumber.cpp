// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Numbers as the player reads and types them: the locale's decimal separator, tolerant parsing.
#include "ui/localenumber.h"

#include <QRegularExpression>
#include <climits>
#include <cmath>

namespace {
constexpr int significantDigits = 15;
// From here on a fixed-point form would be a long row of digits; use the exponent form.
constexpr double fixedLimit = 1e16;

QLocale withoutGroups(const QLocale &locale) {
    QLocale result = locale;
    result.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator |
                            QLocale::RejectGroupSeparator);
    return result;
}
} // namespace

QString formatGeneral(double value, const QLocale &locale) {
    const QLocale loc = withoutGroups(locale);
    if (!std::isfinite(value))
        return loc.toString(value);

    // Round to 15 significant digits first: 3.1000000000000001 must read as 3.1.
    double rounded = QString::number(value, 'g', significantDigits).toDouble();
    if (rounded == 0.0)
        rounded = 0.0; // no "-0"
    const char format = std::fabs(rounded) < fixedLimit ? 'f' : 'g';
    return loc.toString(rounded, format, QLocale::FloatingPointShortest);
}

std::optional<double> parseLocaleNumber(const QString &text, const QLocale &locale) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;

    bool ok = false;
    double value = withoutGroups(locale).toDouble(trimmed, &ok);
    if (ok && std::isfinite(value))
        return value;

    // A file written under another locale: plain digits with '.' or ',' as the separator.
    static const QRegularExpression plain(
        QStringLiteral("^[+-]?(?:[0-9]+(?:[.,][0-9]*)?|[.,][0-9]+)(?:[eE][+-]?[0-9]+)?$"));
    if (!plain.match(trimmed).hasMatch())
        return std::nullopt;
    QString normalised = trimmed;
    normalised.replace(QLatin1Char(','), QLatin1Char('.'));
    value = QLocale::c().toDouble(normalised, &ok);
    if (ok && std::isfinite(value))
        return value;
    return std::nullopt;
}

int roundHalfEven(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    // Done by hand rather than with std::rint, which follows whatever rounding mode is set.
    const double below = std::floor(value);
    const double fraction = value - below;
    double result = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        result = below + 1.0;
    return static_cast<int>(result);
}

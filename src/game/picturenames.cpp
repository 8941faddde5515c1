// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The names of a picture set's pictures, for players who listen to the board.
#include "game/picturenames.h"

#include "ui/textfile.h"

namespace {
// Far more than the 24 short lines a set needs.
constexpr LineLimits NamesLimits{4 * 1024, 64 * 1024};
} // namespace

QVector<PictureName> readPictureNames(const QString &setFolder) {
    QVector<PictureName> names;
    const auto lines = readTextLines(setFolder + QStringLiteral("names.txt"), INT_MAX, NamesLimits);
    if (!lines)
        return names;
    for (const QString &line : *lines) {
        const int bar = line.indexOf(QLatin1Char('|'));
        const QString russian = (bar < 0 ? line : line.left(bar)).trimmed();
        const QString english = bar < 0 ? russian : line.mid(bar + 1).trimmed();
        names.append({russian, english});
    }
    return names;
}

QString pictureName(const QVector<PictureName> &names, int number, bool russian) {
    if (number < 0 || number >= names.size())
        return QString();
    return russian ? names[number].russian : names[number].english;
}

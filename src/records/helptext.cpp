// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading the help file for the help box.
#include "records/helptext.h"

#include "ui/apppaths.h"
#include "ui/textfile.h"

#include <QDir>

QString helpBoxText(const QString &appFolder, const QString &helpFileName,
                    const QString &lineBreak) {
    const QString path = appFile(appFolder, helpFileName);
    if (!fileExists(path))
        return QStringLiteral("Do not find help file ") + QDir::toNativeSeparators(path);
    // A help text is a few kilobytes; a box of far more would only stall the game.
    const auto lines = readTextLines(path, INT_MAX, {64 * 1024, 4 * 1024 * 1024});
    if (!lines)
        return QStringLiteral("Cannot read help file ") + QDir::toNativeSeparators(path);
    QString text;
    for (const QString &line : *lines)
        text += lineBreak + line;
    return text;
}

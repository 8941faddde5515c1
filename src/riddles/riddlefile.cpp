// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading and cutting the riddle file.
#include "riddles/riddlefile.h"

#include "ui/apppaths.h"
#include "ui/textfile.h"

namespace {

const QString Marker = QStringLiteral("***");
// A riddle file is a few kilobytes; no more than this is read of it.
constexpr LineLimits RiddleFileLimits{64 * 1024, 1024 * 1024};

} // namespace

QString riddleFilePath(const QString &appFolder) {
    return appFile(appFolder, QStringLiteral("\\zagadki\\zagi.txt"));
}

QString riddlePicturePath(const QString &appFolder, const QString &number, int k) {
    return appFile(appFolder, QStringLiteral("\\zagadki\\z%1-%2.gif").arg(number).arg(k));
}

QString riddlePointerPath(const QString &appFolder, int k) {
    return appFile(appFolder, QStringLiteral("\\zagadki\\14%1.ico").arg(k));
}

QString readRiddleText(const QString &path, const QString &lineBreak) {
    QString text;
    const auto lines = readTextLines(path, INT_MAX, RiddleFileLimits);
    if (!lines)
        return text;
    for (const QString &line : *lines)
        text += lineBreak + line;
    return text;
}

QStringList cutRiddles(const QString &text) {
    if (text.isEmpty())
        return {};
    return text.split(Marker, Qt::KeepEmptyParts, Qt::CaseSensitive);
}

QString shownRiddle(const QStringList &riddles, int n, const QString &lineBreak) {
    if (n < 0 || n >= riddles.size())
        return QString();
    QString text = riddles[n];
    const qsizetype first = lineBreak.isEmpty() ? -1 : text.indexOf(lineBreak);
    if (first >= 0)
        text.remove(first, lineBreak.size());
    return text;
}

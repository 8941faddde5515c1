// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The riddle file and the riddles' pictures: where they lie and how the texts are cut.
#pragma once

#include <QString>
#include <QStringList>

// The riddle file's line break, which the riddles' texts keep.
inline const QString RiddleLineBreak = QStringLiteral("\r\n");

// The riddle file: the texts of all riddles, separated by "***".
QString riddleFilePath(const QString &appFolder);
// Picture k (0, 1 or 2) offered as an answer to riddle `number`, the number as written.
QString riddlePicturePath(const QString &appFolder, const QString &number, int k);
// The pointer shown over picture k while the last riddle is shown.
QString riddlePointerPath(const QString &appFolder, int k);

// The whole file as one text, every line preceded by the line break, so that the text
// begins with one. A missing, unreadable or oversized file gives an empty text.
QString readRiddleText(const QString &path, const QString &lineBreak);

// The text cut at every "***", wherever it stands; an empty text gives no riddles.
QStringList cutRiddles(const QString &text);

// What the player reads for riddle n: its text with the first line break taken out (the one
// that began it). A riddle the list does not hold reads as empty.
QString shownRiddle(const QStringList &riddles, int n, const QString &lineBreak);

// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The names of a picture set's pictures, for players who listen to the board.
#pragma once

#include <QString>
#include <QVector>

struct PictureName {
    QString russian;
    QString english;
};

// Reads "names.txt" in the set's folder (the folder path ends with its separator): line n names
// picture n, the Russian and the English name separated by "|". A missing file, or a line
// without a name, gives empty names; a line with one name uses it for both languages.
QVector<PictureName> readPictureNames(const QString &setFolder);

// The name of picture `number` in the language asked for; empty when the set names none.
QString pictureName(const QVector<PictureName> &names, int number, bool russian);

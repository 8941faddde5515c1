// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the records view shows for the lines of the record file.
#pragma once

#include "records/recordfile.h"

#include <QString>
#include <QVector>

struct RecordRow {
    QString name;
    QString time; // padded so that the text order of the column is the time order
    QString setName;
    QString date;
    int icon = 0; // image-list number 1..8, or 0 for none
};

// One row for each result among the file's first ten lines.
QVector<RecordRow> recordRows(const RecordTable &table);

// The time as its cell shows it: two leading blanks below 10 seconds, one below 100.
QString timeCell(const QString &text, float seconds);

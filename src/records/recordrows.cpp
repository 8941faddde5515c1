// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Turning record lines into the cells of the records view.
#include "records/recordrows.h"

#include "ui/localenumber.h"

namespace {
constexpr int FirstIcon = 1;
constexpr int LastIcon = 8;
} // namespace

QString timeCell(const QString &text, float seconds) {
    if (seconds < 10)
        return QStringLiteral("  ") + text;
    if (seconds < 100)
        return QStringLiteral(" ") + text;
    return text;
}

QVector<RecordRow> recordRows(const RecordTable &table) {
    QVector<RecordRow> rows;
    for (const RecordEntry &entry : table.results) {
        if (entry.lineNumber > RecordViewLines)
            break;
        RecordRow row;
        row.name = entry.fields[1];
        row.time = timeCell(entry.fields[0], entry.time);
        row.setName = entry.fields[2];
        row.date = entry.fields[4];
        if (const auto kind = parseLocaleNumber(entry.fields[3])) {
            const int icon = roundHalfEven(*kind);
            if (icon >= FirstIcon && icon <= LastIcon)
                row.icon = icon;
        }
        rows.append(row);
    }
    return rows;
}

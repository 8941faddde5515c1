// Turning record lines into the cells of the records view.
#include "records/recordrows.h"

#include "records/recordfile.h"
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

QVector<RecordRow> recordRows(const QStringList &lines, const QLocale &locale) {
    QVector<RecordRow> rows;
    for (const QString &line : lines.mid(0, RecordViewLines)) {
        const auto entry = parseRecordLine(line, locale);
        if (!entry)
            continue;
        RecordRow row;
        row.name = entry->fields[1];
        row.time = timeCell(entry->fields[0], entry->time);
        row.setName = entry->fields[2];
        row.date = entry->fields[4];
        if (const auto kind = parseLocaleNumber(entry->fields[3], locale)) {
            const int icon = roundHalfEven(*kind);
            if (icon >= FirstIcon && icon <= LastIcon)
                row.icon = icon;
        }
        rows.append(row);
    }
    return rows;
}

// What the records view shows for the lines of the record file.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVector>

// The view reads at most this many lines of the file.
constexpr int RecordViewLines = 10;

struct RecordRow {
    QString name;
    QString time; // padded so that the text order of the column is the time order
    QString setName;
    QString date;
    int icon = 0; // image-list number 1..8, or 0 for none
};

// One row for each line that is a result; blank and broken lines are skipped.
QVector<RecordRow> recordRows(const QStringList &lines, const QLocale &locale = QLocale());

// The time as its cell shows it: two leading blanks below 10 seconds, one below 100.
QString timeCell(const QString &text, float seconds);

// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The hall-of-fame file: its line format, the default table, reading it and merging a result.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

constexpr int MaxRecords = 10;
// The records view shows the results among the file's first ten lines.
constexpr int RecordViewLines = 10;
// The player-kind icon stored when no kind was chosen (a crystal ball).
constexpr qint16 KindNotChosen = 6;
// The two characters that mark the slowest result, the one the next record replaces.
inline const QString RecordMarker = QStringLiteral("~^");

// One well-formed line: at least five "~"-separated fields, the first a number (the time).
struct RecordEntry {
    QString line; // as it stands in the file
    QStringList fields;
    float time = 0;
    bool marked = false;
    int lineNumber = 0; // its line in the file, counted from 1
};

// The line read as a result, or nothing when it is not one (empty, too few fields, a time
// that is not a number). Times are read with the locale and also with '.' or ','.
std::optional<RecordEntry> parseRecordLine(const QString &line, const QLocale &locale = QLocale());

// A date as the record file keeps it: the locale's short date, never holding a "~".
QString recordDate(const QDate &date, const QLocale &locale = QLocale());

// The only line of a fresh table: a placeholder time of 999, marked as the slowest.
QString defaultRecordLine(const QString &date);

// The table as the merge, the victory check and the records view all read it. Blank lines are
// left out. The file is read only as far as it can matter, so a huge one costs nothing.
struct RecordTable {
    enum class Fault {
        None,
        TooMany,    // more than ten results, or ten and none marked as the slowest
        NotAResult, // a line that is not a result
    };
    // The results in file order: every one when the table is sound, otherwise at least those
    // among the first ten lines.
    QVector<RecordEntry> results;
    Fault fault = Fault::None;
    int faultLine = 0; // the first line that is not a result, counted from 1
    int linesRead = 0; // blank lines and all
};
RecordTable recordTable(const QStringList &lines, const QLocale &locale = QLocale());
// The table of the file, or nothing when it cannot be read (missing, unreadable, a folder).
std::optional<RecordTable> readRecordTable(const QString &path, const QLocale &locale = QLocale());

// The result a new record replaces once the table is full: the marked one, or, when no
// result or several carry the marker, the slowest (the first in file order among equal
// times); -1 for no results.
int replacedResult(const QVector<RecordEntry> &results);

// Makes sure the record file holds a table: when there is none, or only blank lines (a file
// left empty by a crash), it is written with the default line. False, with the reason, when
// that write fails.
bool EnsureRecordFile(const QString &path, const QString &date, QString *error = nullptr);

// The result to store, with the texts as the program holds them.
struct NewRecord {
    QString time; // the clock's text, such as "57" or "13,8"
    QString name;
    QString setName;
    qint16 kind = KindNotChosen;
    QString date;
};

// The new result as a line, unmarked. A "~" inside a text becomes "-" and a line break a
// blank, so that every line keeps exactly its five fields and no stray marker.
QString makeRecordLine(const NewRecord &record);

enum class MergeOutcome {
    Dropped,  // the table is full and the new time is slower than all of it
    Replaced, // the slowest of a full table made room for the new result
    Added,    // fewer than ten results: the new one joins them
    Refused,  // the file is not a table the game can safely rewrite; nothing is written
};

struct MergeResult {
    MergeOutcome outcome = MergeOutcome::Refused;
    QStringList lines; // the new file, line by line (each to be ended by CR LF)
};

// Merges one result into the table, the marker kept on the replaced result (see above) or
// moved as the new one asks; a table written has the marker on one line alone. Refused for a
// table with a fault, or when the new time is not a number.
MergeResult mergeRecord(const RecordTable &table, const NewRecord &record,
                        const QLocale &locale = QLocale());
MergeResult mergeRecord(const QStringList &fileLines, const NewRecord &record,
                        const QLocale &locale = QLocale());

// What the player is told when the table at `path` cannot take a result; the caption is the
// program's title.
QString refusedMergeMessage(const RecordTable &table, const QString &path, bool russian);

// What the player is told when the record file is there but cannot be read (a folder, say).
QString unreadableTableMessage(const QString &path, bool russian);

// Stores the result in the record file at `path`, creating the file first when there is none
// (its placeholder dated `placeholderDate`). The file is replaced whole or not at all.
// Returns what to tell the player, in Russian or English: "" when the table took the result
// or kept its ten faster ones, otherwise why nothing was written.
QString storeRecord(const QString &path, const NewRecord &record, const QString &placeholderDate,
                    bool russian);

// The record file of the application folder.
QString recordFilePath(const QString &appFolder);

// Deletes the record file. Returns what to tell the player, in Russian or English: "" when
// the file is gone (or was never there), otherwise why it is still there.
QString eraseRecordFile(const QString &path, bool russian);

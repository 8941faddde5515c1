// The hall-of-fame file: its line format, the default table, reading it and merging a result.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>

constexpr int MaxRecords = 10;
// The player-kind icon stored when no kind was chosen (a crystal ball).
constexpr qint16 KindNotChosen = 6;
// The two characters that mark the slowest result, the one the next record replaces.
inline const QString RecordMarker = QStringLiteral("~^");

// One well-formed line: at least five "~"-separated fields, the first a number (the time).
struct RecordEntry {
    QStringList fields;
    float time = 0;
    bool marked = false;
};

// The line read as a result, or nothing when it is not one (empty, too few fields, a time
// that is not a number). Times are read with the locale and also with '.' or ','.
std::optional<RecordEntry> parseRecordLine(const QString &line, const QLocale &locale = QLocale());

// A date as the record file keeps it: the locale's short date, never holding a "~".
QString recordDate(const QDate &date, const QLocale &locale = QLocale());

// The only line of a fresh table: a placeholder time of 999, marked as the slowest.
QString defaultRecordLine(const QString &date);

// The file's lines. A file larger than any table the game writes is read only as far as a
// generous limit, and `complete` says so; it is not a table the merge may rewrite.
struct RecordFileText {
    QStringList lines;
    bool complete = true;
};
std::optional<RecordFileText> readRecordFile(const QString &path);

// Creates the record file with the default line when there is none. False, with the reason,
// when it is missing and cannot be created.
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

// Merges one result into the table given by the file's lines. Blank lines are left out.
// Refused when there are more than ten results, when a line is not a result, when not
// exactly one line carries the marker, or when the new time is not a number.
MergeResult mergeRecord(const QStringList &fileLines, const NewRecord &record,
                        const QLocale &locale = QLocale());

// The message shown when the merge refuses; the caption is the program's title.
QString refusedMergeMessage();

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

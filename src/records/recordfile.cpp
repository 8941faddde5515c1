// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The record file's format and the merge that keeps at most ten results, the slowest marked.
#include "records/recordfile.h"

#include "i18n/messages.h"
#include "ui/apppaths.h"
#include "ui/localenumber.h"
#include "ui/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace {

const QChar Separator = QLatin1Char('~');

// Far longer than any line the game writes: a longer one is no result.
constexpr LineLimits RecordFileLimits{4 * 1024, 64 * 1024 * 1024};

QString fieldText(QString text) {
    text.replace(Separator, QLatin1Char('-'));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    // A field starting with '^' would put a marker right after its separator.
    if (text.startsWith(QLatin1Char('^')))
        text[0] = QLatin1Char('-');
    return text;
}

// The line without its marker; removing one may join the characters around it into another.
QString withoutMarker(QString line) {
    while (line.contains(RecordMarker))
        line.remove(RecordMarker);
    return line;
}

QString notSaved(const QString &reason, bool russian) {
    return message(Msg::RecordNotSaved, russian) + QLatin1Char('\n') + reason;
}

bool isBlank(const QString &line) {
    return line.trimmed().isEmpty();
}

int markCount(const QVector<RecordEntry> &results) {
    return static_cast<int>(std::count_if(results.cbegin(), results.cend(),
                                          [](const RecordEntry &e) { return e.marked; }));
}

// Builds the table line by line and says when no later line can change it: the merge refuses
// at the first fault, and the view needs no more than the first ten lines.
class TableBuilder {
  public:
    explicit TableBuilder(const QLocale &locale) : m_locale(locale) {}

    bool take(const QString &line, bool cut) {
        const int lineNumber = ++m_table.linesRead;
        if (!cut && isBlank(line))
            return wantsMore();
        auto entry = cut ? std::nullopt : parseRecordLine(line, m_locale);
        if (!entry) {
            fail(RecordTable::Fault::NotAResult);
            return wantsMore();
        }
        if (m_table.fault == RecordTable::Fault::None || lineNumber <= RecordViewLines) {
            entry->lineNumber = lineNumber;
            m_table.results.append(*entry);
        }
        if (m_table.results.size() > MaxRecords)
            fail(RecordTable::Fault::TooMany);
        return wantsMore();
    }

    // `wholeFile`: the lines read were all the file holds.
    RecordTable finish(bool wholeFile) {
        const auto &results = m_table.results;
        if (!wholeFile || (results.size() == MaxRecords && markCount(results) == 0))
            fail(RecordTable::Fault::TooMany);
        return m_table;
    }

  private:
    void fail(RecordTable::Fault fault) {
        if (m_table.fault != RecordTable::Fault::None)
            return;
        m_table.fault = fault;
        m_table.faultLine = m_table.linesRead;
    }
    bool wantsMore() const {
        return m_table.fault == RecordTable::Fault::None || m_table.linesRead < RecordViewLines;
    }

    QLocale m_locale;
    RecordTable m_table;
};

} // namespace

int replacedResult(const QVector<RecordEntry> &results) {
    const auto found = markCount(results) == 1
                           ? std::find_if(results.cbegin(), results.cend(),
                                          [](const RecordEntry &e) { return e.marked; })
                           : std::max_element(results.cbegin(), results.cend(),
                                              [](const RecordEntry &a, const RecordEntry &b) {
                                                  return a.time < b.time;
                                              });
    return found == results.cend() ? -1 : static_cast<int>(found - results.cbegin());
}

std::optional<RecordEntry> parseRecordLine(const QString &line, const QLocale &locale) {
    RecordEntry entry;
    entry.fields = withoutMarker(line).split(Separator);
    if (entry.fields.size() < 5)
        return std::nullopt;
    const auto time = parseLocaleNumber(entry.fields[0], locale);
    if (!time)
        return std::nullopt;
    const auto single = static_cast<float>(*time);
    if (!std::isfinite(single))
        return std::nullopt;
    entry.line = line;
    entry.time = single;
    entry.marked = line.contains(RecordMarker);
    return entry;
}

QString recordDate(const QDate &date, const QLocale &locale) {
    return fieldText(locale.toString(date, QLocale::ShortFormat));
}

QString defaultRecordLine(const QString &date) {
    return QStringLiteral("999~Unknown~Test~6~") + date + RecordMarker;
}

RecordTable recordTable(const QStringList &lines, const QLocale &locale) {
    TableBuilder builder(locale);
    int taken = 0;
    while (taken < lines.size() && builder.take(lines[taken], false))
        ++taken;
    return builder.finish(true);
}

std::optional<RecordTable> readRecordTable(const QString &path, const QLocale &locale) {
    TextLineReader reader(path, RecordFileLimits);
    if (!reader.isOpen())
        return std::nullopt;
    TableBuilder builder(locale);
    while (const auto line = reader.next()) {
        if (!builder.take(*line, reader.lastLineCut()))
            return builder.finish(true);
    }
    return builder.finish(reader.reachedEnd());
}

bool EnsureRecordFile(const QString &path, const QString &date, QString *error) {
    if (error)
        error->clear();
    TextLineReader reader(path, RecordFileLimits);
    if (!reader.isOpen() && QFileInfo::exists(path))
        return true; // a folder or a file that cannot be read: storing will say so
    while (const auto line = reader.next()) {
        if (reader.lastLineCut() || !isBlank(*line))
            return true;
    }
    // A file too large to be read through is not an empty one.
    if (reader.isOpen() && !reader.reachedEnd())
        return true;
    return writeTextFileAtomic(path, {defaultRecordLine(date)}, error);
}

QString makeRecordLine(const NewRecord &record) {
    const QStringList fields = {fieldText(record.time), fieldText(record.name),
                                fieldText(record.setName), QString::number(record.kind),
                                fieldText(record.date)};
    return fields.join(Separator);
}

MergeResult mergeRecord(const RecordTable &table, const NewRecord &record, const QLocale &locale) {
    const auto newTime = parseLocaleNumber(record.time, locale);
    if (table.fault != RecordTable::Fault::None || !newTime)
        return {};
    const auto t = static_cast<float>(*newTime);
    const QVector<RecordEntry> &results = table.results;
    const int marked = replacedResult(results);
    const int count = static_cast<int>(results.size());

    QStringList others;
    QVector<float> otherTimes;
    QString oldLine;
    QString newLine = makeRecordLine(record);
    bool newMarked = marked < 0; // an empty table: the new result is the slowest
    for (int i = 0; i < count; ++i) {
        const RecordEntry &entry = results[i];
        if (i != marked) {
            others.append(withoutMarker(entry.line));
            otherTimes.append(entry.time);
        } else if (entry.time < t) {
            oldLine = withoutMarker(entry.line);
            newMarked = true;
        } else {
            // The one marked line stays as the player left it; a chosen slowest gets the marker.
            oldLine =
                markCount(results) == 1 ? entry.line : withoutMarker(entry.line) + RecordMarker;
        }
    }
    if (newMarked)
        newLine += RecordMarker;

    MergeResult result;
    result.lines = others;
    if (count == MaxRecords && newMarked) {
        result.outcome = MergeOutcome::Dropped;
        result.lines.append(oldLine + RecordMarker);
    } else if (count == MaxRecords) {
        // The nine unmarked lines and the new one; the marker goes to the first slowest.
        result.outcome = MergeOutcome::Replaced;
        result.lines.append(makeRecordLine(record));
        otherTimes.append(t);
        const float slowest = *std::max_element(otherTimes.cbegin(), otherTimes.cend());
        result.lines[otherTimes.indexOf(slowest)] += RecordMarker;
    } else {
        result.outcome = MergeOutcome::Added;
        if (!oldLine.isEmpty())
            result.lines.append(oldLine);
        result.lines.append(newLine);
    }
    return result;
}

MergeResult mergeRecord(const QStringList &fileLines, const NewRecord &record,
                        const QLocale &locale) {
    return mergeRecord(recordTable(fileLines, locale), record, locale);
}

QString refusedMergeMessage(const RecordTable &table, const QString &path, bool russian) {
    if (table.fault == RecordTable::Fault::NotAResult) {
        return message(Msg::NotResults, russian)
            .arg(QDir::toNativeSeparators(path))
            .arg(table.faultLine);
    }
    return message(Msg::TooManyResults, russian);
}

QString unreadableTableMessage(const QString &path, bool russian) {
    return notSaved(QStringLiteral("Could not read %1").arg(QDir::toNativeSeparators(path)),
                    russian);
}

QString storeRecord(const QString &path, const NewRecord &record, const QString &placeholderDate,
                    bool russian) {
    QString error;
    if (!EnsureRecordFile(path, placeholderDate, &error))
        return notSaved(error, russian);
    const auto table = readRecordTable(path);
    if (!table)
        return unreadableTableMessage(path, russian);
    const MergeResult merged = mergeRecord(*table, record);
    if (merged.outcome == MergeOutcome::Refused)
        return refusedMergeMessage(*table, path, russian);
    if (!writeTextFileAtomic(path, merged.lines, &error))
        return notSaved(error, russian);
    return QString();
}

QString recordFilePath(const QString &appFolder) {
    return appFile(appFolder, QStringLiteral("\\record.txt"));
}

QString eraseRecordFile(const QString &path, bool russian) {
    // A table that is not there is already erased.
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return QString();
    QFile file(path);
    if (!info.isDir() && file.remove())
        return QString();
    const QString where = QDir::toNativeSeparators(path);
    const QString reason =
        info.isDir() ? QStringLiteral("%1 is a folder.").arg(where)
                     : QStringLiteral("Could not delete %1: %2").arg(where, file.errorString());
    return message(Msg::RecordsNotErased, russian) + QLatin1Char('\n') + reason;
}

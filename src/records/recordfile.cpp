// The record file's format and the merge that keeps at most ten results, the slowest marked.
#include "records/recordfile.h"

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

// Ten lines of a few dozen characters each; a file far beyond this was not written by us.
constexpr qint64 MaxRecordFileBytes = 1024 * 1024;

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

bool isBlank(const QString &line) {
    return line.trimmed().isEmpty();
}

} // namespace

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

std::optional<RecordFileText> readRecordFile(const QString &path) {
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(MaxRecordFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    RecordFileText text;
    if (bytes.size() > MaxRecordFileBytes) {
        // Keep only whole lines, so no character is cut in half.
        bytes.truncate(qMax(0, static_cast<int>(bytes.lastIndexOf('\n', MaxRecordFileBytes))));
        text.complete = false;
    }
    text.lines = splitLines(decodeText(bytes));
    return text;
}

bool EnsureRecordFile(const QString &path, const QString &date, QString *error) {
    if (QFileInfo::exists(path)) {
        if (error)
            error->clear();
        return true;
    }
    return writeTextFileAtomic(path, {defaultRecordLine(date)}, error);
}

QString makeRecordLine(const NewRecord &record) {
    const QStringList fields = {fieldText(record.time), fieldText(record.name),
                                fieldText(record.setName), QString::number(record.kind),
                                fieldText(record.date)};
    return fields.join(Separator);
}

MergeResult mergeRecord(const QStringList &fileLines, const NewRecord &record,
                        const QLocale &locale) {
    MergeResult refused;
    const auto newTime = parseLocaleNumber(record.time, locale);
    if (!newTime)
        return refused;
    const auto t = static_cast<float>(*newTime);

    QStringList others;
    QVector<float> otherTimes;
    QString oldLine;
    QString newLine;
    bool newMarked = false;
    int count = 0;
    int markedLines = 0;
    for (const QString &line : fileLines) {
        if (isBlank(line))
            continue;
        const auto entry = parseRecordLine(line, locale);
        // Checked line by line, so a long file is refused without being taken in whole.
        if (!entry || count >= MaxRecords)
            return refused;
        if (!entry->marked) {
            others.append(line);
            otherTimes.append(entry->time);
        } else {
            ++markedLines;
            newLine = makeRecordLine(record);
            if (entry->time < t) {
                oldLine = withoutMarker(line);
                newLine += RecordMarker;
                newMarked = true;
            } else {
                oldLine = line;
            }
        }
        ++count;
    }
    if (markedLines != 1)
        return refused;

    MergeResult result;
    if (count == MaxRecords && newMarked) {
        result.outcome = MergeOutcome::Dropped;
        result.lines = others;
        result.lines.append(oldLine + RecordMarker);
    } else if (count == MaxRecords) {
        // The nine unmarked lines and the new one; the marker goes to the first slowest.
        result.outcome = MergeOutcome::Replaced;
        result.lines = others;
        result.lines.append(newLine);
        QVector<float> times = otherTimes;
        times.append(t);
        const float slowest = *std::max_element(times.cbegin(), times.cend());
        result.lines[times.indexOf(slowest)] += RecordMarker;
    } else {
        result.outcome = MergeOutcome::Added;
        result.lines = others;
        result.lines.append(oldLine);
        result.lines.append(newLine);
    }
    return result;
}

QString refusedMergeMessage() {
    return QStringLiteral("В файле рекордов больше 10 результатов: запись производиться не "
                          "будет. Исправьте файл.");
}

QString storeRecord(const QString &path, const NewRecord &record, const QString &placeholderDate,
                    bool russian) {
    const auto notSaved = [russian](const QString &reason) {
        return (russian ? QStringLiteral("Рекорд не записан.")
                        : QStringLiteral("The record was not saved.")) +
               QLatin1Char('\n') + reason;
    };
    QString error;
    if (!EnsureRecordFile(path, placeholderDate, &error))
        return notSaved(error);
    const auto table = readRecordFile(path);
    if (!table)
        return notSaved(QStringLiteral("Could not read %1").arg(QDir::toNativeSeparators(path)));
    const MergeResult merged = table->complete ? mergeRecord(table->lines, record) : MergeResult{};
    if (merged.outcome == MergeOutcome::Refused)
        return refusedMergeMessage();
    if (!writeTextFileAtomic(path, merged.lines, &error))
        return notSaved(error);
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
    return (russian ? QStringLiteral("Рекорды не удалены.")
                    : QStringLiteral("The records were not erased.")) +
           QLatin1Char('\n') + reason;
}

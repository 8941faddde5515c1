// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The record file in any state: read it, rank a finished game against it as the victory check
// does, and store the result as the game does. The first input bytes also pick the game's time,
// the locale and the language.
#include "fuzzsupport.h"
#include "records/recordcheck.h"
#include "records/recordfile.h"
#include "ui/localenumber.h"
#include "ui/textfile.h"

#include <QStringDecoder>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const QString CrLf = QStringLiteral("\r\n");

// What the results of a table say about one time.
struct Standing {
    int results = 0;
    int marked = 0;
    bool faster = false; // a stored time below it
    bool slower = false; // a stored time above it
    float slowest = -std::numeric_limits<float>::infinity();
    float markedTime = 0;
    QString markedLine;
};

Standing standing(const QVector<RecordEntry> &results, float time) {
    Standing s;
    for (const RecordEntry &entry : results) {
        FUZZ_CHECK(!entry.line.contains(QLatin1Char('\r')) &&
                   !entry.line.contains(QLatin1Char('\n')));
        FUZZ_CHECK(entry.fields.size() >= 5 && std::isfinite(entry.time));
        FUZZ_CHECK(entry.marked || !entry.line.endsWith(RecordMarker));
        ++s.results;
        s.faster = s.faster || entry.time < time;
        s.slower = s.slower || entry.time > time;
        s.slowest = std::max(s.slowest, entry.time);
        if (entry.marked) {
            ++s.marked;
            s.markedTime = entry.time;
            s.markedLine = entry.line;
        }
    }
    return s;
}

// The table the game wrote, checked byte by byte: valid UTF-8, every line ended by CR LF.
QStringList writtenLines(const QByteArray &bytes) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    FUZZ_CHECK(!utf8.hasError());
    FUZZ_CHECK(text.endsWith(CrLf));
    FUZZ_CHECK(text.count(QLatin1Char('\r')) == text.count(CrLf));
    FUZZ_CHECK(text.count(QLatin1Char('\n')) == text.count(CrLf));
    QStringList lines = text.split(CrLf);
    lines.removeLast();
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes = inputBytes(data, size);
    const QString path = scratchFile(QStringLiteral("record.txt"));
    writeBytes(path, bytes);

    // The third byte picks the locale, whole seconds or tenths, the language, and whether the
    // game's time comes from the first two bytes or lies at the slowest stored one.
    const auto byte = [&](size_t i) { return i < size ? data[i] : 0; };
    const QLocale locales[] = {QLocale(QLocale::English, QLocale::UnitedStates),
                               QLocale(QLocale::Russian, QLocale::Russia), QLocale::c(),
                               QLocale(QLocale::German, QLocale::Germany)};
    QLocale::setDefault(locales[byte(2) % 4]);
    const bool wholeSeconds = byte(2) & 4;
    const bool russian = byte(2) & 8;
    const int near = byte(2) >> 4 & 3; // 0: from the bytes; 1, 2, 3: a tenth below, at, above

    // A file of blank lines (or none at all) is no table: the placeholder replaces it.
    const QString copy = scratchFile(QStringLiteral("copy.txt"));
    writeBytes(copy, bytes);
    bool blank = true; // a line cut for its length may hold anything past the cut
    TextLineReader reader(copy, {4 * 1024, 1 << 20});
    while (const auto line = reader.next())
        blank = blank && !reader.lastLineCut() && line->trimmed().isEmpty();
    QFile::remove(copy);
    FUZZ_CHECK(EnsureRecordFile(path, QStringLiteral("1.1.26")));
    const QByteArray before = readBytes(path);
    FUZZ_CHECK(blank ? before == "999~Unknown~Test~6~1.1.26~^\r\n" : before == bytes);
    FUZZ_CHECK(!bytes.trimmed().isEmpty() || blank);
    const auto table = readRecordTable(path);
    FUZZ_CHECK(table.has_value());
    const QVector<RecordEntry> &results = table->results;
    FUZZ_CHECK(results.size() <= MaxRecords + 1);
    const float slowest = standing(results, 0).slowest;
    int tenths = (byte(0) << 8 | byte(1)) % 10000;
    if (near > 0 && slowest >= 0 && slowest < 30000)
        tenths = static_cast<int>(std::lround(slowest * 10.0)) + near - 2;
    tenths = std::max(tenths, 0);
    NewRecord record;
    // The clock shows whole seconds, or tenths from the tenth pair on.
    record.time = wholeSeconds ? QString::number(tenths / 10) : formatGeneral(tenths / 10.0);
    record.name = QString::fromUtf8(bytes.right(12));
    record.setName = QStringLiteral("Animals");
    record.kind = static_cast<qint16>(1 + byte(1) % 8);
    record.date = recordDate(QDate(2026, 1, 2));

    const auto shown = parseLocaleNumber(record.time);
    FUZZ_CHECK(shown.has_value());
    const auto time = static_cast<float>(*shown);
    const Standing was = standing(results, time);

    // No record from a table the merge refuses. Otherwise a record while fewer than ten results
    // are stored, or when a stored one is slower and the full table would keep the game; first
    // place when none is faster.
    const RecordRank rank = rankTime(*table, time);
    const bool sound = table->fault == RecordTable::Fault::None;
    const bool kept =
        was.results < MaxRecords || (was.slower && results[replacedResult(results)].time >= time);
    FUZZ_CHECK((rank != RecordRank::NoRecord) == (sound && kept));
    FUZZ_CHECK(rank == RecordRank::NoRecord || (rank == RecordRank::FirstPlace) == !was.faster);

    const QString said = storeRecord(path, record, QStringLiteral("1.1.26"), russian);
    const QByteArray after = readBytes(path);
    FUZZ_CHECK(QDir(path.section(QLatin1Char('/'), 0, -2)).entryList(QDir::Files | QDir::Hidden) ==
               QStringList{QStringLiteral("record.txt")});
    const MergeResult merged = mergeRecord(*table, record);
    if (merged.outcome == MergeOutcome::Refused) {
        FUZZ_CHECK(!sound);
        FUZZ_CHECK(said == refusedMergeMessage(*table, path, russian));
        FUZZ_CHECK(after == before);
        return 0;
    }
    FUZZ_CHECK(sound && said.isEmpty());

    // Every result read is kept and the new one joins them, at most ten; one marker, on the
    // slowest unless the player's own single marker stood elsewhere.
    const QStringList lines = writtenLines(after);
    FUZZ_CHECK(lines == merged.lines);
    FUZZ_CHECK(lines.size() == std::min(was.results + 1, MaxRecords));
    const RecordTable written = recordTable(lines);
    FUZZ_CHECK(written.fault == RecordTable::Fault::None);
    const Standing now = standing(written.results, time);
    FUZZ_CHECK(now.results == lines.size());
    FUZZ_CHECK(now.marked == 1);
    FUZZ_CHECK(now.markedLine.endsWith(RecordMarker) || now.markedLine == was.markedLine);
    if (was.marked != 1 || was.markedTime == was.slowest)
        FUZZ_CHECK(now.markedTime == now.slowest);

    // Dropped only when slower than the replaced result of a full table; otherwise it is there.
    const QString newLine = makeRecordLine(record);
    const bool stored = merged.outcome != MergeOutcome::Dropped;
    if (stored)
        FUZZ_CHECK(lines.contains(newLine) || lines.contains(newLine + RecordMarker));
    else
        FUZZ_CHECK(was.results == MaxRecords && time > results[replacedResult(results)].time);
    // A game announced as a record is kept; one not announced meets a full table.
    if (rank != RecordRank::NoRecord)
        FUZZ_CHECK(stored);
    else
        FUZZ_CHECK(merged.outcome != MergeOutcome::Added);
    if (rank == RecordRank::FirstPlace)
        FUZZ_CHECK(!now.faster);
    return 0;
}

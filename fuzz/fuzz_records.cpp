// The record file in any state: read it, rank a finished game against it as the victory check
// does, and store the result as the game does. The first input bytes also pick the game's time,
// the locale and the language.
#include "fuzzsupport.h"
#include "records/recordcheck.h"
#include "records/recordfile.h"
#include "ui/localenumber.h"

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

Standing standing(const QStringList &lines, float time) {
    Standing s;
    for (const QString &line : lines) {
        FUZZ_CHECK(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')));
        const auto entry = parseRecordLine(line);
        if (!entry)
            continue;
        FUZZ_CHECK(entry->fields.size() >= 5 && std::isfinite(entry->time));
        FUZZ_CHECK(entry->marked || !line.endsWith(RecordMarker));
        ++s.results;
        s.faster = s.faster || entry->time < time;
        s.slower = s.slower || entry->time > time;
        s.slowest = std::max(s.slowest, entry->time);
        if (entry->marked) {
            ++s.marked;
            s.markedTime = entry->time;
            s.markedLine = line;
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
    const auto table = readRecordFile(path);
    FUZZ_CHECK(table.has_value());
    const float slowest = standing(table->lines, 0).slowest;
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
    const Standing before = standing(table->lines, time);

    // A record while fewer than ten results are stored (a cut file counts as full) or when a
    // stored one is slower; first place when none is faster.
    const RecordRank rank = rankTime(*table, time);
    const bool full = before.results >= MaxRecords || !table->complete;
    FUZZ_CHECK((rank != RecordRank::NoRecord) == (!full || before.slower));
    FUZZ_CHECK(rank == RecordRank::NoRecord || (rank == RecordRank::FirstPlace) == !before.faster);

    const QString said = storeRecord(path, record, QStringLiteral("1.1.26"), russian);
    const QByteArray after = readBytes(path);
    FUZZ_CHECK(QDir(path.section(QLatin1Char('/'), 0, -2)).entryList(QDir::Files | QDir::Hidden) ==
               QStringList{QStringLiteral("record.txt")});
    const MergeResult merged = mergeRecord(table->lines, record);
    if (!table->complete || merged.outcome == MergeOutcome::Refused) {
        FUZZ_CHECK(said == refusedMergeMessage());
        FUZZ_CHECK(after == bytes);
        return 0;
    }
    FUZZ_CHECK(said.isEmpty());

    // One result was read for every line that is not blank; the new one joins them, at most ten.
    const QStringList lines = writtenLines(after);
    FUZZ_CHECK(lines == merged.lines);
    FUZZ_CHECK(lines.size() == std::min(before.results + 1, MaxRecords));
    FUZZ_CHECK(before.marked == 1);
    const Standing now = standing(lines, time);
    FUZZ_CHECK(now.results == lines.size());
    FUZZ_CHECK(now.marked == 1);
    // The game puts the marker at the end; a line it kept may hold it as the player left it.
    FUZZ_CHECK(now.markedLine.endsWith(RecordMarker) || now.markedLine == before.markedLine);
    if (before.markedTime == before.slowest)
        FUZZ_CHECK(now.markedTime == now.slowest);

    // Dropped only when slower than the marked result of a full table; otherwise it is there.
    const QString newLine = makeRecordLine(record);
    const bool stored = merged.outcome != MergeOutcome::Dropped;
    if (stored)
        FUZZ_CHECK(lines.contains(newLine) || lines.contains(newLine + RecordMarker));
    else
        FUZZ_CHECK(before.results == MaxRecords && time > before.markedTime);
    // A game the victory check announced as a record is kept when the marker is on the slowest;
    // one it did not announce meets a full table.
    if (rank != RecordRank::NoRecord && before.markedTime == before.slowest)
        FUZZ_CHECK(stored);
    if (rank == RecordRank::NoRecord)
        FUZZ_CHECK(merged.outcome != MergeOutcome::Added);
    if (rank == RecordRank::FirstPlace && stored)
        FUZZ_CHECK(!now.faster);
    return 0;
}

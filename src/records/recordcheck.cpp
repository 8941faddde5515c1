// Comparing a game's time with the stored results.
#include "records/recordcheck.h"

RecordRank rankTime(const RecordFileText &table, float time, const QLocale &locale) {
    bool beatsNone = true;
    bool first = true;
    int count = table.complete ? 0 : MaxRecords;
    for (const QString &line : table.lines) {
        const auto entry = parseRecordLine(line, locale);
        if (!entry)
            continue;
        if (entry->time > time)
            beatsNone = false;
        if (entry->time < time)
            first = false;
        ++count;
    }
    if (count >= MaxRecords && beatsNone)
        return RecordRank::NoRecord;
    return first ? RecordRank::FirstPlace : RecordRank::TopTen;
}

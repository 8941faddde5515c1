// Comparing a game's time with the stored results.
#include "records/recordcheck.h"

RecordRank rankTime(const RecordTable &table, float time) {
    if (table.fault != RecordTable::Fault::None)
        return RecordRank::NoRecord;
    const auto &results = table.results;
    bool beatsNone = true;
    bool first = true;
    for (const RecordEntry &entry : results) {
        if (entry.time > time)
            beatsNone = false;
        if (entry.time < time)
            first = false;
    }
    // A full table makes room by dropping the result it replaces; a marker left by hand on a
    // result faster than this game would drop the game instead.
    if (results.size() >= MaxRecords && (beatsNone || results[replacedResult(results)].time < time))
        return RecordRank::NoRecord;
    return first ? RecordRank::FirstPlace : RecordRank::TopTen;
}

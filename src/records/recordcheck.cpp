// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Comparing a game's time with the stored results, and what a won game earns.
#include "records/recordcheck.h"

#include <QFileInfo>

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

RecordCheck checkRecord(const QString &path, float time, bool russian) {
    RecordCheck check;
    const auto table = readRecordTable(path);
    if (!table && QFileInfo::exists(path))
        check.refusal = unreadableTableMessage(path, russian);
    else if (table && table->fault != RecordTable::Fault::None)
        check.refusal = refusedMergeMessage(*table, path, russian);
    else
        check.rank = rankTime(table.value_or(RecordTable{}), time);
    return check;
}

// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The victory check: whether a game's time earns a place in the hall of fame.
#pragma once

#include "records/recordfile.h"

enum class RecordRank {
    FirstPlace, // a record, and no stored time is faster
    TopTen,     // a record behind at least one stored time
    NoRecord,
};

// Ranks the time against the table's results. A game is a record while fewer than ten results
// are stored, or when it is strictly faster than one of them and the merge would keep it.
// Equal times neither beat nor lose. A table the merge would refuse offers no record.
RecordRank rankTime(const RecordTable &table, float time);

// What a won game's time earns against the record file at `path`: its rank, and why the table
// cannot take the result ("" when it can). A file that is there but cannot be read (a folder in
// its place) and a table the merge would refuse offer no record, so that the player is not asked
// for a name that could not be stored; no file at all is an empty table.
struct RecordCheck {
    RecordRank rank = RecordRank::NoRecord;
    QString refusal;
};
RecordCheck checkRecord(const QString &path, float time, bool russian);

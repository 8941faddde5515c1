// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How a set made from photos takes the place of the one before it, so that there is always a
// whole set: the new one is written beside its place, the old one steps aside, the new one takes
// the place, and only then is the old one removed. A swap cut short (the game killed) is finished
// at the next start. No link in the sets' folder is ever followed.
#pragma once

#include <QString>

namespace PhotoSwap {

// A new empty folder beside `setFolder` ("photos/img3") in which its next set is written:
// ".photos-img3-XXXXXX". A link where the sets' folder should be is replaced by a folder. Empty
// when none can be made.
QString newFolder(const QString &setFolder);

// Puts the whole set written in `made` in the place of `setFolder`, and removes the set that was
// there. When it fails, the set that was there is there again (and `made` is left to the caller).
bool put(const QString &made, const QString &setFolder);

// Whether a set of the game's own is at `setFolder`: a folder, where neither it nor the sets'
// folder is a link.
bool isOwnSet(const QString &setFolder);

// Removes the set at `setFolder`, or the link there (never what it leads to); true when nothing is
// left. A sets' folder that is a link holds no set of the game's, and nothing in it is touched.
bool remove(const QString &setFolder);

// At start-up: each set of `photosFolder` whose swap was cut short between its two steps gets the
// newest whole set back in its place, and whatever else was left beside the sets goes.
void recover(const QString &photosFolder);

} // namespace PhotoSwap

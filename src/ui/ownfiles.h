// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's own files among whatever else a folder may hold: only plain files are read, and no
// link is ever followed to write or to remove.
#pragma once

class QFile;
class QString;

// Opens `path` for reading when it is a plain file, judged on what was opened (so nothing can be
// swapped in between): a FIFO, a device or a socket is never waited on and counts as no file, nor
// does a folder. The program's own resources (":/…") open as they are.
bool openPlainFile(QFile &file, const QString &path);

// Removes `path` and, when it is a folder, everything in it, without following any link: a link is
// removed as a link, whatever it leads to. True when nothing is left at `path`.
bool removeWithoutFollowing(const QString &path);

// Readies `path` to be written as the game's own file: a link there (to anything, or to nothing)
// is removed, so that the file written takes the link's place and what it led to stays as it is.
// False when a link is there and cannot be removed.
bool unlinkForWriting(const QString &path);

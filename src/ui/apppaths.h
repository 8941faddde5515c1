// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Locating the game's data files below the application folder.
#pragma once

#include <QString>

// The game names its files the old Windows way, "\record.txt" or "\img3\", relative to the
// application folder; this gives the real path with '/' separators. A trailing backslash
// (a folder) keeps its trailing '/'. With an empty appFolder the result is a bare relative path.
QString appFile(const QString &appFolder, const QString &relative);

// The folder that holds the executable and its data.
QString applicationFolder();

// True only for an existing regular file; folders and empty paths are not files.
bool fileExists(const QString &path);

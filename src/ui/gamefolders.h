// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the game reads its data and where it writes its files.
#pragma once

#include <QString>

// The game runs in one of two layouts, decided at start-up:
// - portable: the program's own folder holds the data and the files the game writes (the build
//   tree, an unpacked archive);
// - installed: the program sits in <prefix>/bin and its data in <prefix>/share/kestrova; the
//   files the game writes ("Kestrova.ini", "record.txt") go to the user's data folder.
struct GameFolders {
    bool installed = false;
    // Pictures, sounds and texts: only read.
    QString data;
    // "Kestrova.ini" and "record.txt": read and written.
    QString written;
    // False when `written` cannot be created or written to: nothing can be saved this run.
    bool writable = true;
};

// Chooses the layout for a program in `programFolder`. `userDataFolder` is the user's data folder
// for this game (empty when the system names none); it is created when the game is installed.
GameFolders locateGameFolders(const QString &programFolder, const QString &userDataFolder);

// What the player is told, once, when `folder` cannot hold the game's files.
QString cannotSaveMessage(const QString &folder, bool russian);

// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the game reads its data and where it writes its files.
#include "ui/gamefolders.h"

#include "i18n/messages.h"

#include <QDir>
#include <QFileInfo>

#ifndef KESTROVA_INSTALLED_DATA
#define KESTROVA_INSTALLED_DATA "../share/kestrova"
#endif

namespace {
// The data folder of an installed game, relative to the program's folder.
QString installedDataFolder(const QString &programFolder) {
    return QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral(KESTROVA_INSTALLED_DATA)));
}
} // namespace

GameFolders locateGameFolders(const QString &programFolder, const QString &userDataFolder) {
    GameFolders folders;
    const QString installedData = installedDataFolder(programFolder);
    if (!QFileInfo(installedData).isDir()) {
        // Portable: everything beside the program. A folder that cannot be written is reported
        // when a file is saved, as it always was.
        folders.data = programFolder;
        folders.written = programFolder;
        return folders;
    }
    folders.installed = true;
    folders.data = installedData;
    folders.written = userDataFolder;
    if (userDataFolder.isEmpty() || !QDir().mkpath(userDataFolder)) {
        folders.writable = false;
        return folders;
    }
    const QFileInfo user(userDataFolder);
    folders.writable = user.isDir() && user.isWritable();
    return folders;
}

QString cannotSaveMessage(const QString &folder, bool russian) {
    const QString path = folder.isEmpty() ? QStringLiteral("?") : QDir::toNativeSeparators(folder);
    return message(Msg::CannotSave, russian).arg(path);
}

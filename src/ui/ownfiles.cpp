// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's own files among whatever else a folder may hold.
#include "ui/ownfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

bool openPlainFile(QFile &file, const QString &path) {
    if (file.isOpen())
        file.close();
    file.setFileName(path);
    if (path.isEmpty())
        return false;
#ifdef Q_OS_UNIX
    if (!path.startsWith(QLatin1Char(':'))) {
        // Opening a FIFO for reading waits for a writer, for ever; without blocking it returns at
        // once, and what was opened is then looked at.
        const int fd = ::open(QFile::encodeName(path).constData(),
                              O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (fd < 0)
            return false;
        struct stat opened {};
        if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) ||
            ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0 ||
            !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            ::close(fd);
            return false;
        }
        return true;
    }
#endif
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly);
}

bool removeWithoutFollowing(const QString &path) {
    const QFileInfo info(path);
    if (info.isSymLink() || (info.exists() && !info.isDir()))
        return QFile::remove(path);
    if (!info.exists())
        return true;
    bool removed = true;
    const QFileInfoList entries = QDir(path).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                           QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries)
        removed = removeWithoutFollowing(entry.filePath()) && removed;
    return removed && QDir().rmdir(path);
}

bool unlinkForWriting(const QString &path) {
    return !QFileInfo(path).isSymLink() || QFile::remove(path);
}

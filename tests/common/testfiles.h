// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writing and reading small files in a test's own temporary folder, and a disk that fills up.
#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>

// Writes `bytes` to `name` in `dir`; returns the file's path, or "" when the write failed.
inline QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes) {
    QFile file(dir.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? file.fileName()
                                                                                : QString();
}

inline QByteArray readBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Every file below `folder` with a digest of its content (huge files by size alone).
inline QStringList snapshot(const QString &folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        QString digest = QString::number(info.size());
        if (info.size() < 16 * 1024 * 1024)
            digest = QString::fromLatin1(
                QCryptographicHash::hash(readBytes(info.filePath()), QCryptographicHash::Sha1)
                    .toHex());
        files.append(info.filePath() + ' ' + digest);
    }
    files.sort();
    return files;
}

// Runs `action` while no file may grow beyond `bytes`: writes then fail the way they do on a
// full disk, even for root. False when the limit could not be set.
template <typename Action> bool withFileSizeLimit(rlim_t bytes, Action action) {
    rlimit old{};
    if (getrlimit(RLIMIT_FSIZE, &old) != 0)
        return false;
    rlimit small = old;
    small.rlim_cur = bytes;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    if (setrlimit(RLIMIT_FSIZE, &small) != 0) {
        std::signal(SIGXFSZ, oldHandler);
        return false;
    }
    action();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    return true;
}

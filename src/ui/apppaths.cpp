// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Locating the game's data files below the application folder.
#include "ui/apppaths.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
// Runs of '/' become one, except a leading "//" which names a network share on Windows.
QString collapseSeparators(const QString &path) {
    QString out;
    out.reserve(path.size());
    for (int i = 0; i < path.size(); ++i) {
        const QChar c = path.at(i);
        if (c == QLatin1Char('/') && i > 1 && out.endsWith(QLatin1Char('/')))
            continue;
        out.append(c);
    }
    return out;
}
} // namespace

QString appFile(const QString &appFolder, const QString &relative) {
    QString rel = relative;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (rel.startsWith(QLatin1Char('/')))
        rel.remove(0, 1);

    if (appFolder.isEmpty())
        return collapseSeparators(rel);

    QString folder = appFolder;
    folder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    // Keep the root folder "/" itself; otherwise drop the trailing separators we add back below.
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    if (rel.isEmpty())
        return folder;
    if (folder.endsWith(QLatin1Char('/')))
        return collapseSeparators(folder + rel);
    return collapseSeparators(folder + QLatin1Char('/') + rel);
}

QString applicationFolder() {
    return QCoreApplication::applicationDirPath();
}

bool fileExists(const QString &path) {
    if (path.isEmpty())
        return false;
    return QFileInfo(path).isFile();
}

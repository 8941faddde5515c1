// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How a set made from photos takes the place of the one before it.
#include "settings/photoswap.h"

#include "ui/ownfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace PhotoSwap {

namespace {

const QString Prefix = QStringLiteral(".photos-");
const QString OldSuffix = QStringLiteral("-old");

bool isLink(const QString &path) {
    return QFileInfo(path).isSymLink();
}

// A set is whole once its last file, the names of its pictures, is written.
bool whole(const QString &folder) {
    const QFileInfo names(folder + QStringLiteral("/names.txt"));
    return !isLink(folder) && QFileInfo(folder).isDir() && names.isFile() && !names.isSymLink();
}

} // namespace

QString newFolder(const QString &setFolder) {
    const QFileInfo place(setFolder);
    const QString parent = place.path();
    if (isLink(parent) && !QFile::remove(parent))
        return QString();
    QDir().mkpath(parent);
    QTemporaryDir made(parent + QLatin1Char('/') + Prefix + place.fileName() +
                       QStringLiteral("-XXXXXX"));
    if (!made.isValid())
        return QString();
    made.setAutoRemove(false);
    return made.path();
}

bool put(const QString &made, const QString &setFolder) {
    if (isLink(QFileInfo(setFolder).path()))
        return false;
    const QFileInfo place(setFolder);
    // A link in the set's place is no set: it goes, and what it leads to stays.
    if (place.isSymLink() && !QFile::remove(setFolder))
        return false;
    const bool hadSet = !place.isSymLink() && place.exists();
    const QString old = made + OldSuffix;
    if (hadSet && !QDir().rename(setFolder, old))
        return false;
    if (!QDir().rename(made, setFolder)) {
        if (hadSet)
            QDir().rename(old, setFolder);
        return false;
    }
    if (hadSet)
        removeWithoutFollowing(old);
    return true;
}

bool isOwnSet(const QString &setFolder) {
    const QFileInfo place(setFolder);
    return place.isDir() && !place.isSymLink() && !isLink(place.path());
}

bool remove(const QString &setFolder) {
    if (isLink(QFileInfo(setFolder).path()))
        return true;
    return removeWithoutFollowing(setFolder);
}

void recover(const QString &photosFolder) {
    if (isLink(photosFolder) || !QFileInfo(photosFolder).isDir())
        return;
    const QDir folder(photosFolder);
    const auto leftovers = [&folder] {
        return folder.entryList({Prefix + QLatin1Char('*')},
                                QDir::AllEntries | QDir::Hidden | QDir::System);
    };
    // The old set stepped aside and the new one never took its place: the new one, else the old.
    static const QRegularExpression stepAside(QStringLiteral("^\\.photos-(img[0-9]+)-.+-old$"));
    for (const QString &name : leftovers()) {
        const QRegularExpressionMatch match = stepAside.match(name);
        if (!match.hasMatch())
            continue;
        const QString place = folder.filePath(match.captured(1));
        if (QFileInfo(place).exists() || isLink(place))
            continue;
        const QString old = folder.filePath(name);
        const QString made = old.chopped(OldSuffix.size());
        if (whole(made))
            QDir().rename(made, place);
        else if (whole(old))
            QDir().rename(old, place);
    }
    for (const QString &name : leftovers())
        removeWithoutFollowing(folder.filePath(name));
}

} // namespace PhotoSwap

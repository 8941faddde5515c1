// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A family's own photos made into a picture set.
#include "settings/photoset.h"

#include "ui/randomsource.h"
#include "ui/textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtMath>

namespace PhotoSet {

namespace {
// Whether the file, followed through any links, is a file inside `folder` (a canonical path).
bool insideFolder(const QFileInfo &file, const QString &folder) {
    const QString target = file.canonicalFilePath();
    return !target.isEmpty() && target.startsWith(folder + QLatin1Char('/')) &&
           QFileInfo(target).isFile();
}
} // namespace

QStringList readablePictures(const QString &folder) {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    QStringList pictures;
    if (canonical.isEmpty())
        return pictures;
    const QFileInfoList files =
        QDir(folder).entryInfoList(QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &file : files) {
        if (!insideFolder(file, canonical))
            continue;
        QImageReader reader(file.filePath());
        reader.setDecideFormatFromContent(true);
        if (reader.canRead() && reader.size().isValid())
            pictures.append(file.filePath());
    }
    return pictures;
}

QStringList drawOrder(const QStringList &pictures, RandomSource &random) {
    QStringList left = pictures, order;
    while (!left.isEmpty())
        order.append(left.takeAt(wholePart(int(left.size()), random.next())));
    return order;
}

QRect cardCrop(const QSize &size) {
    if (size.isEmpty())
        return QRect();
    const QSize card = CardSize.scaled(size, Qt::KeepAspectRatio);
    return QRect((size.width() - card.width()) / 2, (size.height() - card.height()) / 2,
                 card.width(), card.height());
}

QImage cardPicture(const QString &path, const QSize &size) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (stored.isEmpty())
        return QImage();
    // The size is the file's, before it is turned upright.
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize upright = turned ? stored.transposed() : stored;
    const qreal shrink = qMin(
        1.0, qMax(qreal(size.width()) / upright.width(), qreal(size.height()) / upright.height()));
    if (shrink < 1.0) {
        reader.setScaledSize(QSize(qMax(1, qCeil(stored.width() * shrink)),
                                   qMax(1, qCeil(stored.height() * shrink))));
    }
    // JPEG decodes already shrunk, in a fraction of a second whatever its size. Other formats
    // go through every pixel of the file, shrinking row by row: a giant is left out, as reading
    // it would take seconds.
    if (reader.format() != "jpeg" && qint64(stored.width()) * stored.height() > MaxSlowPixels)
        return QImage();
    reader.setAllocationLimit(MaxDecodeMiB);
    const QImage image = reader.read();
    if (image.isNull())
        return QImage();
    return image.copy(cardCrop(image.size()))
        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

Outcome make(const QString &photoFolder, const QString &setFolder, RandomSource &random,
             const std::function<bool(const QString &)> &fits) {
    Outcome outcome;
    QStringList taken;
    QList<QImage> fine;
    for (const QString &path : drawOrder(readablePictures(photoFolder), random)) {
        if (const QImage picture = cardPicture(path, CardSize * 2); !picture.isNull()) {
            taken.append(path);
            fine.append(picture);
            if (fine.size() == Pictures)
                break;
        }
    }
    outcome.missing = Pictures - int(fine.size());
    if (outcome.missing > 0)
        return outcome;

    const QString parent = QFileInfo(setFolder).absolutePath();
    QDir().mkpath(parent);
    QTemporaryDir made(parent + QStringLiteral("/.photos-XXXXXX"));
    outcome.error = QDir::toNativeSeparators(parent);
    if (!made.isValid())
        return outcome;
    QStringList names;
    for (int n = 0; n < Pictures; ++n) {
        const QImage card =
            fine[n].scaled(CardSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (!fine[n].save(made.filePath(QStringLiteral("%1@2x.gif").arg(n)), "PNG") ||
            !card.save(made.filePath(QStringLiteral("%1.gif").arg(n)), "PNG"))
            return outcome;
        // A name is one line of "Russian|English", the same name in both.
        const QString name =
            QFileInfo(taken[n]).completeBaseName().replace(QLatin1Char('|'), QLatin1Char(' '));
        names.append(name.simplified() + QStringLiteral("|") + name.simplified());
    }
    QString setName = QDir(photoFolder).dirName();
    while (fits && setName.size() > 1 && !fits(setName))
        setName.chop(1);
    if (!writeTextFileAtomic(made.filePath(QStringLiteral("setname.txt")), {setName}) ||
        !writeTextFileAtomic(made.filePath(QStringLiteral("names.txt")), names))
        return outcome;
    // The old set steps aside, the new one takes its place, and only then is the old one gone.
    const QString old = made.path() + QStringLiteral("-old");
    const bool hadSet = QFileInfo::exists(setFolder);
    if ((hadSet && !QDir().rename(setFolder, old)) || !QDir().rename(made.path(), setFolder)) {
        if (hadSet)
            QDir().rename(old, setFolder);
        outcome.error = QDir::toNativeSeparators(setFolder);
        return outcome;
    }
    made.setAutoRemove(false);
    if (hadSet)
        QDir(old).removeRecursively();
    outcome.error.clear();
    return outcome;
}

bool remove(const QString &setFolder) {
    return !QFileInfo::exists(setFolder) || QDir(setFolder).removeRecursively();
}

} // namespace PhotoSet

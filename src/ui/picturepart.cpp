// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Clipped and scaled reads, so that a huge picture costs no more than the part that shows.
#include "ui/picturepart.h"

#include "ui/apppaths.h"
#include "ui/picturefile.h"

namespace {

// The scale the "@2x" files are drawn at.
constexpr qreal FineScale = 2.0;

// The ratio a pixmap is given: the screen's, but never finer than its file, and never below 1,
// so that a ratio of 1 or less reads and draws the pictures exactly as they are.
qreal pixmapRatio(qreal screenRatio, qreal fileScale) {
    return qMax(1.0, qMin(screenRatio, fileScale));
}

QSize scaledBy(const QSize &size, qreal factor) {
    return QSize(qMax(1, qRound(size.width() * factor)), qMax(1, qRound(size.height() * factor)));
}

// The top-left `wanted` pixels of the picture, or all of it when it is smaller.
QImage readPart(const QString &path, const QSize &wanted) {
    PictureFile file(path);
    const QSize size = file.size();
    if (size.isEmpty())
        return QImage();
    const QRect part = QRect(QPoint(0, 0), size).intersected(QRect(QPoint(0, 0), wanted));
    return file.read(QSize(), part.size() != size ? part : QRect());
}

// The picture read at `fileScale` as a pixmap of the given ratio, shrunk smoothly when the
// ratio is below the file's scale.
QPixmap withRatio(const QImage &image, qreal fileScale, qreal ratio) {
    if (image.isNull())
        return QPixmap();
    QPixmap pixmap = QPixmap::fromImage(
        ratio < fileScale ? image.scaled(scaledBy(image.size(), ratio / fileScale),
                                         Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                          : image);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

// The picture shrunk to cover `box` pixels, and its middle `box` cut out.
QImage readCover(const QString &path, const QSize &box) {
    PictureFile file(path);
    const QSize size = file.size();
    if (size.isEmpty())
        return QImage();
    const QImage image = file.read(size.scaled(box, Qt::KeepAspectRatioByExpanding));
    if (image.isNull())
        return QImage();
    const QRect middle((image.width() - box.width()) / 2, (image.height() - box.height()) / 2,
                       box.width(), box.height());
    return image.copy(middle);
}

} // namespace

QString hiDpiPath(const QString &path, qreal ratio) {
    if (!(ratio > 1.0) || path.isEmpty())
        return path;
    // The mark goes before the file name's extension; a dot in a folder's name or at the start
    // of the file name begins none.
    const qsizetype nameStart = path.lastIndexOf(QLatin1Char('/')) + 1;
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype at = dot > nameStart ? dot : path.size();
    QString fine = path;
    fine.insert(at, QStringLiteral("@2x"));
    return fileExists(fine) ? fine : path;
}

QPixmap hiDpiPixmap(const QString &path, qreal ratio) {
    const QString fine = hiDpiPath(path, ratio);
    if (fine != path) {
        const QPixmap pixmap =
            withRatio(PictureFile(fine).read(), FineScale, pixmapRatio(ratio, FineScale));
        if (!pixmap.isNull())
            return pixmap;
    }
    return QPixmap::fromImage(PictureFile(path).read());
}

QPixmap visiblePart(const QString &path, const QSize &visible, qreal ratio) {
    const QString fine = hiDpiPath(path, ratio);
    if (fine != path) {
        // An "@2x" file that will not read leaves the normal picture to show.
        const QPixmap part = withRatio(readPart(fine, visible * FineScale), FineScale,
                                       pixmapRatio(ratio, FineScale));
        if (!part.isNull())
            return part;
    }
    return withRatio(readPart(path, visible), 1.0, 1.0);
}

QPixmap coverPreview(const QString &path, const QSize &box, qreal ratio) {
    if (box.isEmpty())
        return QPixmap();
    // Even the normal picture is far larger than a preview: whichever file is read, it is
    // shrunk to the preview's own pixels.
    const qreal previewRatio = qMax(1.0, ratio);
    const QSize pixels = scaledBy(box, previewRatio);
    const QString fine = hiDpiPath(path, ratio);
    QImage image = fine != path ? readCover(fine, pixels) : QImage();
    if (image.isNull())
        image = readCover(path, pixels);
    if (image.isNull())
        return QPixmap();
    QPixmap preview = QPixmap::fromImage(image);
    preview.setDevicePixelRatio(previewRatio);
    return preview;
}

// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Card and button pictures loaded once, fitted to the size asked for, with a drawn stand-in.
#include "ui/picturecache.h"

#include "ui/picturefile.h"
#include "ui/picturepart.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>

namespace {
const QColor placeholderTile(0xFF, 0xFC, 0xE8);
const QColor placeholderBorder(0xC9, 0xBC, 0x8E);
const QColor placeholderMark(0xA8, 0xA8, 0xA8);

QString cacheKey(const QString &path, const QSize &size, qreal ratio) {
    // The size and the ratio go first so that no path can make two keys collide.
    return QStringLiteral("%1x%2@%3:%4").arg(size.width()).arg(size.height()).arg(ratio).arg(path);
}

// A ratio that is no number or not above 0 counts as 1.
qreal usableRatio(qreal ratio) {
    return ratio > 0 && qIsFinite(ratio) ? ratio : 1.0;
}

// The device pixels that cover `size` logical pixels, at least one each way.
QSize devicePixels(const QSize &size, qreal ratio) {
    return QSize(qMax(1, qRound(size.width() * ratio)), qMax(1, qRound(size.height() * ratio)));
}

QImage loadImage(const QString &path) {
    return PictureFile(path, true).read();
}

QImage fitInto(const QImage &image, const QSize &size) {
    if (image.size() == size)
        return image;
    const QSize fitted = image.size().scaled(size, Qt::KeepAspectRatio);
    // A picture of the box's own shape fills it, even where rounding (at a fractional device
    // pixel ratio) would leave a line of it bare.
    if (qAbs(fitted.width() - size.width()) <= 1 && qAbs(fitted.height() - size.height()) <= 1)
        return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage scaled = image.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage canvas(size, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.drawImage((size.width() - scaled.width()) / 2, (size.height() - scaled.height()) / 2,
                      scaled);
    return canvas;
}
} // namespace

QPixmap PictureCache::picture(const QString &path, const QSize &size, qreal ratio) {
    if (size.isEmpty())
        return QPixmap();
    ratio = usableRatio(ratio);
    const QString key = cacheKey(path, size, ratio);
    const auto found = m_pictures.constFind(key);
    if (found != m_pictures.constEnd())
        return found.value();

    const QString fine = hiDpiPath(path, ratio);
    QImage image = loadImage(fine);
    // An "@2x" file that will not read leaves the normal picture to show.
    if (image.isNull() && fine != path)
        image = loadImage(path);
    // Failures are cached too, so a broken file is not read again on every repaint.
    QPixmap result;
    if (image.isNull()) {
        result = placeholder(size, ratio);
    } else {
        result = QPixmap::fromImage(fitInto(image, devicePixels(size, ratio)));
        result.setDevicePixelRatio(ratio);
    }
    if (m_pictures.size() >= maxEntries)
        m_pictures.clear();
    m_pictures.insert(key, result);
    return result;
}

QPixmap PictureCache::placeholder(const QSize &logicalSize, qreal ratio) {
    if (logicalSize.isEmpty())
        return QPixmap();
    ratio = usableRatio(ratio);
    const QSize size = devicePixels(logicalSize, ratio);
    QImage canvas(size, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);

    const int side = qMin(size.width(), size.height());
    const qreal border = qMax(1.0, side / 32.0);
    const qreal radius = side / 8.0;
    const QRectF tile = QRectF(QPointF(0, 0), QSizeF(size))
                            .adjusted(border / 2, border / 2, -border / 2, -border / 2);
    painter.setPen(QPen(placeholderBorder, border));
    painter.setBrush(placeholderTile);
    painter.drawRoundedRect(tile, radius, radius);

    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(qMax(1, side * 3 / 5));
    painter.setFont(font);
    painter.setPen(placeholderMark);
    painter.drawText(tile, Qt::AlignCenter, QStringLiteral("?"));
    painter.end();
    QPixmap result = QPixmap::fromImage(canvas);
    result.setDevicePixelRatio(ratio);
    return result;
}

void PictureCache::clear() {
    m_pictures.clear();
}

int PictureCache::cachedCount() const {
    return static_cast<int>(m_pictures.size());
}

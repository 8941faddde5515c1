// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Loading the mouse pointers.
#include "ui/pointers.h"

#include "ui/apppaths.h"
#include "ui/picturefile.h"
#include "ui/picturepart.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPixmap>

namespace {

const QPoint HandHotSpot(12, 1);
// An icon file is a few kilobytes; a pointer larger than this is not one.
constexpr qint64 MaxIconBytes = 256 * 1024;
constexpr int MaxPointerSide = 256;

// The finest device pixel ratio of the screens: a pointer is made once for all windows.
qreal screenRatio() {
    return qGuiApp ? qMax(1.0, qGuiApp->devicePixelRatio()) : 1.0;
}

// A pointer showing `picture`, its hot spot at `hotSpot` in logical pixels. X11 shows a
// pointer's picture pixel for pixel and takes the hot spot in those pixels, whatever the
// picture's device pixel ratio; the other platforms take it in logical pixels.
QCursor pointer(const QPixmap &picture, QPoint hotSpot) {
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        hotSpot = (QPointF(hotSpot) * picture.devicePixelRatio()).toPoint();
    return QCursor(picture, hotSpot.x(), hotSpot.y());
}

} // namespace

QCursor handCursor() {
    const QPixmap hand = hiDpiPixmap(QStringLiteral(":/ui/hand.png"), screenRatio());
    if (hand.isNull())
        return QCursor(Qt::PointingHandCursor);
    return pointer(hand, HandHotSpot);
}

std::optional<QCursor> iconCursor(const QString &path) {
    if (!fileExists(path) || QFileInfo(path).size() > MaxIconBytes)
        return std::nullopt;
    PictureFile file(path);
    const QSize size = file.size();
    if (size.isEmpty() || size.width() > MaxPointerSide || size.height() > MaxPointerSide)
        return std::nullopt;
    const QImage image = file.read();
    if (image.isNull())
        return std::nullopt;
    // On a high-DPI screen the pointer is enlarged to keep its size.
    const qreal ratio = screenRatio();
    QPixmap picture =
        QPixmap::fromImage(ratio > 1 ? image.scaled(image.size() * ratio, Qt::KeepAspectRatio,
                                                    Qt::SmoothTransformation)
                                     : image);
    picture.setDevicePixelRatio(ratio);
    return pointer(picture, QPoint(image.width() / 2, image.height() / 2));
}

// Loading the mouse pointers.
#include "ui/pointers.h"

#include "ui/apppaths.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>

namespace {

const QPoint HandHotSpot(12, 1);
// An icon file is a few kilobytes; a pointer larger than this is not one.
constexpr qint64 MaxIconBytes = 256 * 1024;
constexpr int MaxPointerSide = 256;

} // namespace

QCursor handCursor() {
    const QPixmap hand(QStringLiteral(":/ui/hand.png"));
    if (hand.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(hand, HandHotSpot.x(), HandHotSpot.y());
}

std::optional<QCursor> iconCursor(const QString &path) {
    if (!fileExists(path) || QFileInfo(path).size() > MaxIconBytes)
        return std::nullopt;
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > MaxPointerSide || size.height() > MaxPointerSide)
        return std::nullopt;
    const QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return QCursor(QPixmap::fromImage(image));
}

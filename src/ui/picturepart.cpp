// Clipped and scaled reads, so that a huge picture costs no more than the part that shows.
#include "ui/picturepart.h"

#include "ui/apppaths.h"

#include <QImageReader>

namespace {

// The reader and the picture's size, or an invalid size when the file is no picture.
QSize pictureSize(QImageReader &reader, const QString &path) {
    if (!fileExists(path))
        return QSize();
    reader.setFileName(path);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    return size.isValid() && !size.isEmpty() ? size : QSize();
}

} // namespace

QPixmap visiblePart(const QString &path, const QSize &visible) {
    QImageReader reader;
    const QSize size = pictureSize(reader, path);
    if (!size.isValid())
        return QPixmap();
    const QRect part = QRect(QPoint(0, 0), size).intersected(QRect(QPoint(0, 0), visible));
    if (part.size() != size)
        reader.setClipRect(part);
    return QPixmap::fromImage(reader.read());
}

QPixmap coverPreview(const QString &path, const QSize &box) {
    QImageReader reader;
    const QSize size = pictureSize(reader, path);
    if (!size.isValid() || box.isEmpty())
        return QPixmap();
    reader.setScaledSize(size.scaled(box, Qt::KeepAspectRatioByExpanding));
    const QImage image = reader.read();
    if (image.isNull())
        return QPixmap();
    const QRect middle((image.width() - box.width()) / 2, (image.height() - box.height()) / 2,
                       box.width(), box.height());
    return QPixmap::fromImage(image.copy(middle));
}

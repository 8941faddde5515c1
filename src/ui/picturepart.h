// Reading only as much of a large picture as will be seen: a window's background and the
// small previews of it. A picture that is missing or cannot be read gives a null pixmap.
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// The picture's top-left part that a window of `visible` size shows, at its own scale.
QPixmap visiblePart(const QString &path, const QSize &visible);

// The picture shrunk to cover `box`, its middle kept: a wide, low box would make a squeezed
// picture unrecognisable.
QPixmap coverPreview(const QString &path, const QSize &box);

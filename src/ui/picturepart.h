// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading only as much of a large picture as will be seen: a window's background and the
// small previews of it. A picture that is missing or cannot be read gives a null pixmap.
//
// On a high-DPI screen (a device pixel ratio above 1) a picture is read from its "@2x" file,
// drawn at twice the size, when there is one; the pixmap then carries that ratio, so that it
// covers the same logical size as the normal picture would.
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// The file to draw on a screen with this device pixel ratio: above 1, the "@2x" file beside
// `path` ("back3@2x.jpg" for "back3.jpg", "hand@2x" for "hand") when that file exists;
// otherwise `path` itself.
QString hiDpiPath(const QString &path, qreal ratio);

// The whole picture at `path` for a screen with this ratio: from the "@2x" file when hiDpiPath()
// finds one, brought to the ratio (2 at most); otherwise the normal file at ratio 1.
QPixmap hiDpiPixmap(const QString &path, qreal ratio = 1.0);

// The picture's top-left part that a window of `visible` logical size shows, at its own scale.
// With a ratio above 1 and an "@2x" file, the part is read from that file and brought to the
// ratio (never enlarged beyond the file's own scale).
QPixmap visiblePart(const QString &path, const QSize &visible, qreal ratio = 1.0);

// The picture shrunk to cover `box`, its middle kept: a wide, low box would make a squeezed
// picture unrecognisable. With a ratio above 1 the preview has box * ratio device pixels.
QPixmap coverPreview(const QString &path, const QSize &box, qreal ratio = 1.0);

// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Card and button pictures loaded once, fitted to the size asked for, with a drawn stand-in.
#pragma once

#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>

class PictureCache {
  public:
    // The picture fitted into exactly `size` (aspect kept, centred on transparency), or the
    // placeholder when the file is missing or unreadable. Served from memory after the first
    // request for the same path, size and ratio. An empty size gives a null pixmap.
    //
    // `ratio` is the device pixel ratio of the screen it is drawn on: the pixmap has
    // size * ratio pixels and that ratio, so it covers `size` logical pixels. Above 1 it is
    // drawn from the picture's "@2x" file when there is one, from the normal file otherwise.
    QPixmap picture(const QString &path, const QSize &size, qreal ratio = 1.0);

    // A friendly face-up card with a big "?" that stands in for a picture that would not load,
    // drawn at the ratio's own pixels.
    QPixmap placeholder(const QSize &size, qreal ratio = 1.0);

    void clear();
    int cachedCount() const;

  private:
    // Enough for every card and button of several picture sets; a folder full of junk
    // only causes reloading, never unbounded memory.
    static constexpr int maxEntries = 256;

    QHash<QString, QPixmap> m_pictures;
};

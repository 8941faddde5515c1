// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A family's own photos made into a picture set: twelve pictures from a folder, upright, cut to
// the card's shape around their middle, at the card's size and at twice it.
#pragma once

#include "game/board.h"
#include "game/layout.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

class RandomSource;

namespace PhotoSet {

// A set of pictures each dealt to two cards, at the cards' size.
constexpr int Pictures = PairCount;
constexpr QSize CardSize(Layout::CardWidth, Layout::CardHeight);
// The most memory one picture may take while it is decoded.
constexpr int MaxDecodeMiB = 100;
// The most pixels of a picture in a format that cannot skip them (all but JPEG): about half a
// second's reading.
constexpr qint64 MaxSlowPixels = 100'000'000;

// The pictures in `folder` that can be read, by name: its own files, not those of its subfolders,
// and links only where they lead to a file inside it.
QStringList readablePictures(const QString &folder);

// The pictures in a random order, from which the first twelve that decode make the set: all of
// them when there are exactly twelve, twelve at random when there are more.
QStringList drawOrder(const QStringList &pictures, RandomSource &random);

// The largest part of a picture of `size` in the card's shape (9 : 8), around its middle.
QRect cardCrop(const QSize &size);

// The picture at `path`, turned upright as the camera meant it, cut to the card's shape and
// brought to `size`. It is decoded already shrunk to about that size where the toolkit can; a
// null image when it cannot be read.
QImage cardPicture(const QString &path, const QSize &size);

struct Outcome {
    // How many pictures the folder lacks for a set; nothing is written then.
    int missing = 0;
    // Why the set could not be written; the set that was there is kept then.
    QString error;
    bool made() const { return missing == 0 && error.isEmpty(); }
};

// Makes the set `setFolder` (without a trailing separator) from the photos in `photoFolder`:
// "0.gif" .. "11.gif" at the card's size and "0@2x.gif" .. at twice it (PNG, whose contents the
// game reads whatever the name), "setname.txt" with the folder's name and "names.txt" with the
// files' names. The name is cut until `fits` takes it. The set is written beside its place first
// and takes it only when whole.
Outcome make(const QString &photoFolder, const QString &setFolder, RandomSource &random,
             const std::function<bool(const QString &)> &fits = {});

// Removes a made set, so that the shipped one shows again; false when it could not be removed.
bool remove(const QString &setFolder);

} // namespace PhotoSet

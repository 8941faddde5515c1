// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A family's own photos made into a picture set: twelve different pictures from a folder, upright,
// cut to the card's shape around their middle, at the card's size and at twice it.
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
// However many files a folder holds, a set is made or refused within seconds: no more entries of
// the folder are looked at, and the import takes no longer.
constexpr int MaxListed = 10000;
constexpr int MaxTryingMs = 8000;

// The files of `folder` that may be pictures, by name: its own plain files, not those of its
// subfolders, and links only where they lead to a plain file inside it; `more` when the folder
// holds more entries than were looked at.
struct Listing {
    QStringList files;
    bool more = false;
};
Listing photoFiles(const QString &folder);

// The pictures in a random order, in which they are decoded until twelve different ones are found:
// all of them when there are exactly twelve, twelve at random when there are more.
QStringList drawOrder(const QStringList &files, RandomSource &random);

// The largest part of a picture of `size` in the card's shape (9 : 8), around its middle.
QRect cardCrop(const QSize &size);

// Why a photo gave no card.
enum class Refusal { None, Unreadable, NoMemory };

// The picture at `path`, turned upright as the camera meant it, cut to the card's shape and
// brought to `size`. It is decoded already shrunk to about that size where the format can; a
// null image when it cannot be read (or is too costly to), and `refusal` says why.
QImage cardPicture(const QString &path, const QSize &size, Refusal *refusal = nullptr);
// Whether what the file says of itself lets cardPicture() read it, without decoding it.
bool mayBeCard(const QString &path, const QSize &size);

// Whether two cards show the same picture: the same photo under two names, or a picture and its
// copy at another size. A set needs twelve pictures that can be told apart.
bool samePicture(const QImage &a, const QImage &b);

// What an import is told while it runs, from the thread it runs in: how many different pictures
// it has, and whether it is to stop.
struct Watch {
    std::function<void(int found)> progress;
    std::function<bool()> cancelled;
};

struct Outcome {
    // How many different pictures the folder lacks for a set; nothing is written then.
    int missing = 0;
    // Photos that could not be read for want of memory.
    int lackedMemory = 0;
    // How many files were looked at, and whether the import stopped at its bounds before it had
    // looked at all the folder holds.
    int tried = 0;
    bool stopped = false;
    bool cancelled = false;
    // Why the set could not be written; what was there is kept then.
    QString error;
    // A set made before was in the place of this one.
    bool hadSet = false;
    bool made() const { return !cancelled && missing == 0 && error.isEmpty(); }
};

// Makes the set `setFolder` ("photos/img3", without a trailing separator) from the photos in
// `photoFolder`: "0.gif" .. "11.gif" at the card's size and "0@2x.gif" .. at twice it (PNG, whose
// contents the game reads whatever the name), "setname.txt" with `setName` and "names.txt" with
// the files' names. The set is written beside its place first and takes it only when whole.
Outcome make(const QString &photoFolder, const QString &setFolder, const QString &setName,
             RandomSource &random, const Watch &watch = {});

// What the player is told of an import; nothing when it was cancelled. `setName` is the name the
// made set shows.
QString report(const Outcome &outcome, const QString &setName, bool russian);

} // namespace PhotoSet

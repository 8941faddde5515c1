// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Dealing a picture set onto the board: which picture file lies under each card.
#pragma once

#include "game/board.h"

#include <QString>
#include <array>
#include <functional>

class RandomSource;

constexpr int PictureSetCount = 7;

// One deal: its scratch counters, and the set dealt; a fresh board starts with a fresh one.
struct DealState {
    std::array<int, CardCount> PicUsed{};
    int CardsDealt = 0;
    int DealNumber = 0;
    int DealSlot = 0;
    // The picture set dealt (0..6), -1 before the deal; a record names this set.
    int Set = -1;
    // Its folder, with a trailing separator; empty before the deal.
    QString Folder;
};

using FileExists = std::function<bool(const QString &)>;

// Takes the chosen set (0..6; anything else counts as set 0), decides the matching rule and
// deals the 24 cards. A set whose folder holds "13.gif" is a number-pair set. A set made from the
// player's photos in `writeFolder` takes the place of the shipped one. Expects a freshly built
// board.
void ChangePicSet(Board &board, DealState &deal, const QString &appFolder, int selectedSet,
                  RandomSource &random, const FileExists &exists,
                  const QString &writeFolder = QString());

// The number-pair deal: 24 different pictures, one card each.
void ChangePicSetEnglish(Board &board, DealState &deal, RandomSource &random);

// The folder of picture set n below the application folder, with a trailing separator.
QString pictureSetFolder(const QString &appFolder, int set);

// The folder of the sets made from the player's photos: "photos" in the folder of the files the
// game writes.
QString photoSetsFolder(const QString &writeFolder);
// Where a set made from the player's photos takes the place of set n: "photos/img<n>", without a
// trailing separator.
QString photoSetFolder(const QString &writeFolder, int set);

// The folder set n is dealt from, with a trailing separator: the photo set when one has been
// made (its "0.gif" is there), the shipped set otherwise. A link in the place of the photo sets'
// folder or of the set's is not the game's, and is not dealt from.
QString playedSetFolder(const QString &appFolder, const QString &writeFolder, int set,
                        const FileExists &exists);

// The display name of picture set n: the first line of its "setname.txt", empty when there is
// none. A name is shown on a small button and stored with records, so it is cut to a sane
// length whatever the file holds.
QString pictureSetName(const QString &appFolder, int set, const QString &writeFolder = QString());

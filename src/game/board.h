// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The board of 24 cards and the turn rules: what a click on a card does.
#pragma once

#include <QString>
#include <QVector>
#include <array>

constexpr int CardCount = 24;
constexpr int PairCount = 12;
// From this many open pairs on, the clock shows tenths of a second.
constexpr int TenthsFromPairs = 10;

// What one card click changed, for the window to show.
struct TurnOutcome {
    QVector<int> soundSlots; // sound-table slots to start, in order
    QVector<int> turnedDown; // cards whose picture is removed
    bool matched = false;
    bool startTenths = false; // enable the tenths timer (again)
    bool victory = false;     // run the victory sequence
};

class Board {
  public:
    // Player kinds as stored with a record (icon numbers of the records view).
    static constexpr qint16 KindNone = 0;
    static constexpr qint16 KindBoy = 4;
    static constexpr qint16 KindGirl = 5;
    static constexpr qint16 KindFriend = 7;

    std::array<bool, CardCount> CardOpen{};
    std::array<QString, CardCount> CardPic;
    qint16 OpenPairs = 0;
    int PrevCard = CardCount - 1; // a fresh board compares its first click with card 23
    bool NumberPairMode = false;
    qint16 PlayerKind = KindNone;

    // Whether a card shows its picture right now. An open card normally does, but a pair
    // matched against a face-down previous card leaves that card face down.
    std::array<bool, CardCount> FaceUp{};

    // Applies a click on card k (0..23); other indexes are ignored.
    TurnOutcome click(int k);

    // A new game on the same layout: every card face down and closed, no pairs open.
    // The deal and the previous card are kept.
    void reset();

    // The player-kind option button i (0 boy, 1 girl, 2 friend) was chosen.
    void choosePlayerKind(int i);

    // The picture number a number-pair path stands for, read from the path's end.
    static int pictureNumber(const QString &path);

  private:
    bool belongTogether(int k, int p) const;
};

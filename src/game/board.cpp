// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The turn rules: show the clicked card, compare it with the previous one, count pairs.
#include "game/board.h"

#include "settings/soundtable.h"

namespace {} // namespace

int Board::pictureNumber(const QString &path) {
    // The number is whatever stands between the folder separator and ".gif" in the last six
    // characters ("/7.gif", "13.gif"); anything that is not a number counts as 0.
    QString tail = path.right(6);
    tail.remove(QLatin1Char('\\'));
    tail.remove(QLatin1Char('/'));
    tail.remove(QStringLiteral(".gif"));
    bool ok = false;
    const double value = tail.trimmed().toDouble(&ok);
    return ok ? static_cast<int>(value) : 0;
}

bool Board::belongTogether(int k, int p) const {
    if (!NumberPairMode)
        return CardPic[k] == CardPic[p];
    const int n = pictureNumber(CardPic[k]);
    const int q = pictureNumber(CardPic[p]);
    return n < PairCount ? q == n + PairCount : q == n - PairCount;
}

TurnOutcome Board::click(int k) {
    TurnOutcome out;
    if (k < 0 || k >= CardCount)
        return out;
    out.soundSlots.append(SoundSlot::Click);
    FaceUp[k] = true;

    const int p = PrevCard;
    if (!CardOpen[p]) {
        if (belongTogether(k, p)) {
            // In picture mode a second click on the same card is no pair and changes nothing.
            if (p != k) {
                CardOpen[p] = true;
                CardOpen[k] = true;
                out.soundSlots.append(SoundSlot::Pair);
                ++OpenPairs;
                out.matched = true;
            }
        } else {
            FaceUp[p] = false;
            out.turnedDown.append(p);
        }
    }
    PrevCard = k;

    if (OpenPairs == PairCount)
        out.victory = true;
    else if (OpenPairs == TenthsFromPairs)
        out.startTenths = true;
    return out;
}

void Board::reset() {
    CardOpen.fill(false);
    FaceUp.fill(false);
    OpenPairs = 0;
}

void Board::choosePlayerKind(int i) {
    static constexpr qint16 kinds[3] = {KindBoy, KindGirl, KindFriend};
    if (i >= 0 && i < 3)
        PlayerKind = kinds[i];
}

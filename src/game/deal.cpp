// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Rejection-sampling deals: a random picture with room left goes onto a random empty card.
#include "game/deal.h"

#include "game/board.h"
#include "settings/photoswap.h"
#include "ui/apppaths.h"
#include "ui/randomsource.h"
#include "ui/textfile.h"

#include <QDir>

namespace {

constexpr int AttemptsPerPass = 101;
constexpr int MaxSetNameLength = 40;

// Deals until every card has a picture; each picture number may lie on at most `copies` cards.
void dealCards(Board &board, DealState &d, const QString &folder, RandomSource &random,
               int pictures, int copies) {
    while (d.CardsDealt < CardCount) {
        for (int attempt = 0; attempt < AttemptsPerPass; ++attempt) {
            d.DealNumber = wholePart(pictures, random.next());
            d.DealSlot = wholePart(CardCount, random.next());
            const int number = d.DealNumber;
            const int slot = d.DealSlot;
            if (d.PicUsed[number] >= copies || !board.CardPic[slot].isEmpty())
                continue;
            board.CardPic[slot] = folder + QString::number(number) + QStringLiteral(".gif");
            d.PicUsed[number] += 1;
            d.CardsDealt += 1;
            if (d.CardsDealt >= CardCount)
                return;
        }
    }
}

} // namespace

QString pictureSetFolder(const QString &appFolder, int set) {
    return appFile(appFolder, QStringLiteral("\\img%1\\").arg(set));
}

QString photoSetsFolder(const QString &writeFolder) {
    return QDir(writeFolder).filePath(QStringLiteral("photos"));
}

QString photoSetFolder(const QString &writeFolder, int set) {
    return photoSetsFolder(writeFolder) + QStringLiteral("/img%1").arg(set);
}

QString playedSetFolder(const QString &appFolder, const QString &writeFolder, int set,
                        const FileExists &exists) {
    if (!writeFolder.isEmpty()) {
        const QString photos = photoSetFolder(writeFolder, set);
        if (PhotoSwap::isOwnSet(photos) && exists(photos + QStringLiteral("/0.gif")))
            return photos + QLatin1Char('/');
    }
    return pictureSetFolder(appFolder, set);
}

QString pictureSetName(const QString &appFolder, int set, const QString &writeFolder) {
    const QString folder = playedSetFolder(appFolder, writeFolder, set, fileExists);
    return readFirstLine(folder + QStringLiteral("setname.txt")).left(MaxSetNameLength);
}

void ChangePicSet(Board &board, DealState &deal, const QString &appFolder, int selectedSet,
                  RandomSource &random, const FileExists &exists, const QString &writeFolder) {
    // With no valid choice the first set is used, so the cards always have pictures to show.
    const int set = (selectedSet >= 0 && selectedSet < PictureSetCount) ? selectedSet : 0;
    deal.Folder = playedSetFolder(appFolder, writeFolder, set, exists);
    deal.Set = set;

    if (exists(deal.Folder + QStringLiteral("13.gif"))) {
        board.NumberPairMode = true;
        ChangePicSetEnglish(board, deal, random);
        return;
    }
    dealCards(board, deal, deal.Folder, random, PairCount, 2);
}

void ChangePicSetEnglish(Board &board, DealState &deal, RandomSource &random) {
    dealCards(board, deal, deal.Folder, random, CardCount, 1);
}

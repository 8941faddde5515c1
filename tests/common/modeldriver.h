// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A game model of its own in a test, without windows: its folders, scripted draws, recorded
// sounds.
#pragma once

#include "fakes.h"
#include "game/board.h"
#include "game/gamemodel.h"
#include "ui/gamefolders.h"

#include <QVector>

// The cards that belong together on a board, read from its deal.
inline QVector<QPair<int, int>> pairsOf(const Board &b) {
    QVector<QPair<int, int>> result;
    for (int a = 0; a < CardCount; ++a)
        for (int c = a + 1; c < CardCount; ++c)
            if (b.NumberPairMode ? qAbs(Board::pictureNumber(b.CardPic[a]) -
                                        Board::pictureNumber(b.CardPic[c])) == PairCount
                                 : b.CardPic[a] == b.CardPic[c])
                result.append({a, c});
    return result;
}

// A model in `appFolder`, which writes its files into `writeFolder` (by default the application
// folder). `draws` are the first random draws, the rest come from a fixed seed.
struct Model {
    explicit Model(const QString &appFolder, QVector<double> draws = {},
                   const QString &writeFolder = QString(), bool writable = true)
        : random(std::move(draws), 7),
          model(GameFolders{false, appFolder, writeFolder.isEmpty() ? appFolder : writeFolder,
                            writable},
                random, sound) {}
    ScriptedRandom random;
    RecordingSound sound;
    GameModel model;
};

// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The board's turn rules, the deal, the clock, and the game model's routines around them.
#include "modeldriver.h"

#include <QMap>
#include <QTemporaryDir>
#include <QtTest>
#include <random>

namespace {

// Picture mode: cards k and k + 12 show picture k mod 12. Number pairs: card k shows picture
// k, so k and k + 12 belong together there too.
Board makeBoard(bool numberPairs) {
    Board b;
    b.NumberPairMode = numberPairs;
    for (int k = 0; k < CardCount; ++k)
        b.CardPic[k] = QStringLiteral("/app/img0/%1.gif").arg(numberPairs ? k : k % PairCount);
    return b;
}

QVector<int> faceUpCards(const Board &b) {
    QVector<int> up;
    for (int k = 0; k < CardCount; ++k)
        if (b.FaceUp[k])
            up.append(k);
    return up;
}

using V = QVector<int>;

} // namespace

class TestGame : public QObject {
    Q_OBJECT

  private slots:
    void turnRules_data() {
        QTest::addColumn<bool>("numberPairs");
        QTest::addColumn<V>("clicks");
        QTest::addColumn<int>("openPairs");
        QTest::addColumn<V>("faceUp");
        QTest::addColumn<V>("lastSounds");
        // The first click of a fresh board is compared with card 23, face down as it is.
        QTest::newRow("partner of 23 opens at once") << false << V{11} << 1 << V{11} << V{1, 2};
        QTest::newRow("other first card") << false << V{0} << 0 << V{0} << V{1};
        QTest::newRow("card 23 first, pictures") << false << V{23} << 0 << V{23} << V{1};
        QTest::newRow("card 23 first, numbers") << true << V{23} << 0 << V{} << V{1};
        QTest::newRow("same card twice, pictures") << false << V{3, 3} << 0 << V{3} << V{1};
        QTest::newRow("same card twice, numbers") << true << V{3, 3} << 0 << V{} << V{1};
        QTest::newRow("mismatch") << false << V{0, 5} << 0 << V{5} << V{1};
        // Clicking an open card turns the unmatched one down; the next click is not compared.
        QTest::newRow("open card clicked")
            << false << V{0, 12, 5, 0, 7} << 1 << V{0, 7, 12} << V{1};
        QTest::newRow("numbers 0 then 12") << true << V{22, 0, 12} << 1 << V{0, 12} << V{1, 2};
        QTest::newRow("numbers 12 then 0") << true << V{22, 12, 0} << 1 << V{0, 12} << V{1, 2};
        QTest::newRow("numbers 11 then 23") << true << V{22, 11, 23} << 1 << V{11, 23} << V{1, 2};
        QTest::newRow("numbers 5 then 6") << true << V{22, 5, 6} << 0 << V{6} << V{1};
        QTest::newRow("outside the board") << false << V{-1, 24} << 0 << V{} << V{};
    }
    void turnRules() {
        QFETCH(bool, numberPairs);
        QFETCH(V, clicks);
        QFETCH(int, openPairs);
        Board b = makeBoard(numberPairs);
        TurnOutcome last;
        for (int k : clicks)
            last = b.click(k);
        QCOMPARE(b.OpenPairs, qint16(openPairs));
        QTEST(faceUpCards(b), "faceUp");
        QTEST(QVector<int>(last.soundSlots), "lastSounds");
        QCOMPARE(int(std::count(b.CardOpen.begin(), b.CardOpen.end(), true)), 2 * openPairs);
    }

    void pairCountStartsTenthsAndRepeatsVictory() {
        Board b = makeBoard(false);
        for (int pair = 0; pair < PairCount; ++pair) {
            b.click(pair);
            const TurnOutcome out = b.click(pair + PairCount);
            QVERIFY(out.matched);
            QCOMPARE(out.startTenths, pair == 9);
            QCOMPARE(out.victory, pair == 11);
            // Every click while exactly ten pairs are open asks for the tenths timer again.
            if (pair == 9)
                QVERIFY(b.click(3).startTenths);
        }
        QVERIFY(b.click(5).victory);
        // A new game on the same layout: the previous card stays and is compared first.
        b = makeBoard(true);
        for (int k : {2, 14, 7})
            b.click(k);
        b.reset();
        QVERIFY(b.OpenPairs == 0 && faceUpCards(b).isEmpty() && b.NumberPairMode);
        QVERIFY(std::none_of(b.CardOpen.begin(), b.CardOpen.end(), [](bool o) { return o; }));
        QVERIFY(b.click(19).matched);
        // The kinds of player, in the order of their buttons.
        const qint16 kinds[] = {Board::KindBoy, Board::KindGirl, Board::KindFriend};
        for (int i : {0, 1, 2}) {
            b.choosePlayerKind(i);
            QCOMPARE(b.PlayerKind, kinds[i]);
        }
    }

    void dealInvariantsOverManySeeds() {
        const unsigned base = std::random_device{}();
        qInfo("base seed %u", base);
        for (const bool numberPairs : {false, true}) {
            QSet<QString> layouts;
            for (unsigned i = 0; i < 300; ++i) {
                Board board;
                DealState deal;
                ScriptedRandom random({}, base + i);
                ChangePicSet(board, deal, "/app", 2, random, [&](const QString &p) {
                    return numberPairs && p == "/app/img2/13.gif";
                });
                QCOMPARE(board.NumberPairMode, numberPairs);
                QMap<QString, int> count;
                for (const QString &pic : board.CardPic)
                    ++count[pic];
                const int pictures = numberPairs ? 24 : 12;
                QCOMPARE(count.size(), pictures);
                for (int n = 0; n < pictures; ++n)
                    QCOMPARE(count.value(QStringLiteral("/app/img2/%1.gif").arg(n)),
                             numberPairs ? 1 : 2);
                layouts.insert(QStringList(board.CardPic.begin(), board.CardPic.end()).join(','));
            }
            QVERIFY(layouts.size() > 290);
        }
    }

    void dealDrawsNumberBeforeSlotInChosenFolder() {
        // No valid choice falls back to the first set; only "13.gif" makes a number-pair set.
        for (int chosen : {-1, 7}) {
            Board board;
            DealState deal;
            ScriptedRandom random;
            ChangePicSet(board, deal, "", chosen, random,
                         [](const QString &p) { return p.endsWith("12.gif"); });
            QVERIFY(deal.Folder == "img0/" && deal.Set == 0 && !board.NumberPairMode);
        }
        Board board;
        DealState deal;
        // Picture 0.5 * 12 = 6 onto card 0.99 * 24 = 23, again onto card 0, and a third time
        // onto card 12, which is refused.
        ScriptedRandom random({0.5, 0.99, 0.5, 0.0, 0.5, 0.5});
        ChangePicSet(board, deal, "/app/", 6, random, [](const QString &) { return false; });
        QCOMPARE(board.CardPic[23], QStringLiteral("/app/img6/6.gif"));
        QCOMPARE(board.CardPic[0], QStringLiteral("/app/img6/6.gif"));
        QVERIFY(board.CardPic[12] != QStringLiteral("/app/img6/6.gif"));
    }

    // The caption after each of: a second, a tenth, a tenth, a second. From the tenth pair the
    // seconds leave the caption to the tenths, which start the new second at .0. The count stops
    // at its largest value.
    void clockSteps() {
        const struct {
            int openPairs;
            QLocale locale;
            QStringList shown;
        } rows[] = {{9, QLocale::c(), {"1", "1.1", "1.2", "2"}},
                    {10, QLocale::c(), {"Time", "1", "1.1", "1.1"}},
                    {11, QLocale(QLocale::Russian), {"Time", "1", "1,1", "1,1"}}};
        for (const auto &row : rows) {
            GameClock clock([&] { return row.openPairs; });
            QStringList seen;
            for (bool tenth : {false, true, true, false}) {
                tenth ? clock.tenthsStep(row.locale) : clock.secondsStep();
                seen << clock.caption();
            }
            QCOMPARE(seen, row.shown);
            for (int i = 0; i < 40000; ++i)
                clock.secondsStep();
            QCOMPARE(clock.seconds(), qint16(32767));
        }
    }

    // Clear stops the tenths and sets the clock to 0; a game won before the first step of a new
    // window counts its seconds.
    void modelRunsTheClockAroundTheBoard() {
        QTemporaryDir dir;
        Model m(dir.path());
        GameModel &model = m.model;
        model.ChooseIni();
        model.ChangePicSet();
        model.clock().start();
        model.clock().startTenths();
        model.clock().secondsStep();
        model.clearBoard();
        QVERIFY(!model.clock().tenthsRunning() && model.clock().seconds() == 0);
        model.clock().secondsStep();
        model.newBoard();
        model.ChangePicSet();
        for (const auto &pair : pairsOf(model.board())) {
            model.clickCard(pair.first);
            if (model.clickCard(pair.second).victory)
                model.victory();
        }
        QVERIFY(!model.clock().running() && !model.clock().tenthsRunning());
        QCOMPARE(model.wonCaption(), QStringLiteral("1"));
        QCOMPARE(model.wonTime(), 1.0);
        model.playAgain();
        QVERIFY(model.clock().running() && model.clock().seconds() == 0);
    }
};

QTEST_GUILESS_MAIN(TestGame)
#include "test_game.moc"

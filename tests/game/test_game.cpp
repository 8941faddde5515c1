// The board's turn rules, the deal and the clock steps.
#include "game/board.h"
#include "game/clock.h"
#include "game/deal.h"
#include "ui/programstate.h"
#include "ui/randomsource.h"

#include <QMap>
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

} // namespace

class TestGame : public QObject {
    Q_OBJECT

  private slots:
    void turnRules_data();
    void turnRules();
    void pairCountStartsTenthsAndRepeatsVictory();
    void resetKeepsLayoutAndPreviousCard();
    void dealInvariantsOverManySeeds_data();
    void dealInvariantsOverManySeeds();
    void dealDrawsNumberBeforeSlotInChosenFolder();
    void clockSteps_data();
    void clockSteps();
    void clockStopsAtSixteenBitLimit();
};

void TestGame::turnRules_data() {
    QTest::addColumn<bool>("numberPairs");
    QTest::addColumn<QVector<int>>("clicks");
    QTest::addColumn<int>("openPairs");
    QTest::addColumn<QVector<int>>("faceUp");
    QTest::addColumn<QVector<int>>("lastSounds");
    // The first click of a fresh board is compared with card 23, face down as it is.
    QTest::newRow("partner of 23 opens at once")
        << false << QVector<int>{11} << 1 << QVector<int>{11} << QVector<int>{1, 2};
    QTest::newRow("other first card")
        << false << QVector<int>{0} << 0 << QVector<int>{0} << QVector<int>{1};
    QTest::newRow("card 23 first, pictures")
        << false << QVector<int>{23} << 0 << QVector<int>{23} << QVector<int>{1};
    QTest::newRow("card 23 first, numbers")
        << true << QVector<int>{23} << 0 << QVector<int>{} << QVector<int>{1};
    QTest::newRow("same card twice, pictures")
        << false << QVector<int>{3, 3} << 0 << QVector<int>{3} << QVector<int>{1};
    QTest::newRow("same card twice, numbers")
        << true << QVector<int>{3, 3} << 0 << QVector<int>{} << QVector<int>{1};
    QTest::newRow("mismatch") << false << QVector<int>{0, 5} << 0 << QVector<int>{5}
                              << QVector<int>{1};
    // Clicking an open card turns the unmatched one down; the next click is not compared.
    QTest::newRow("open card clicked")
        << false << QVector<int>{0, 12, 5, 0, 7} << 1 << QVector<int>{0, 7, 12} << QVector<int>{1};
    QTest::newRow("numbers 0 then 12")
        << true << QVector<int>{22, 0, 12} << 1 << QVector<int>{0, 12} << QVector<int>{1, 2};
    QTest::newRow("numbers 12 then 0")
        << true << QVector<int>{22, 12, 0} << 1 << QVector<int>{0, 12} << QVector<int>{1, 2};
    QTest::newRow("numbers 11 then 23")
        << true << QVector<int>{22, 11, 23} << 1 << QVector<int>{11, 23} << QVector<int>{1, 2};
    QTest::newRow("numbers 5 then 6")
        << true << QVector<int>{22, 5, 6} << 0 << QVector<int>{6} << QVector<int>{1};
    QTest::newRow("outside the board")
        << false << QVector<int>{-1, 24} << 0 << QVector<int>{} << QVector<int>{};
}

void TestGame::turnRules() {
    QFETCH(bool, numberPairs);
    QFETCH(QVector<int>, clicks);
    QFETCH(int, openPairs);
    QFETCH(QVector<int>, faceUp);
    QFETCH(QVector<int>, lastSounds);
    Board b = makeBoard(numberPairs);
    TurnOutcome last;
    for (int k : clicks)
        last = b.click(k);
    QCOMPARE(b.OpenPairs, qint16(openPairs));
    QCOMPARE(faceUpCards(b), faceUp);
    QCOMPARE(last.soundSlots, lastSounds);
    int open = 0;
    for (bool o : b.CardOpen)
        open += o;
    QCOMPARE(open, 2 * openPairs);
}

void TestGame::pairCountStartsTenthsAndRepeatsVictory() {
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
    const TurnOutcome again = b.click(5);
    QVERIFY(again.victory && !again.matched);
    QCOMPARE(b.OpenPairs, qint16(12));
}

void TestGame::resetKeepsLayoutAndPreviousCard() {
    Board b = makeBoard(true);
    for (int k : {2, 14, 7})
        b.click(k);
    const auto layout = b.CardPic;
    b.reset();
    QCOMPARE(b.OpenPairs, qint16(0));
    QVERIFY(faceUpCards(b).isEmpty());
    QVERIFY(std::none_of(b.CardOpen.begin(), b.CardOpen.end(), [](bool o) { return o; }));
    QVERIFY(b.CardPic == layout && b.NumberPairMode);
    // The first click of the new game is compared with the face-down card 7.
    QVERIFY(b.click(19).matched);
    QCOMPARE(faceUpCards(b), QVector<int>{19});
}

void TestGame::dealInvariantsOverManySeeds_data() {
    QTest::addColumn<bool>("numberPairs");
    QTest::newRow("picture mode") << false;
    QTest::newRow("number-pair mode") << true;
}

void TestGame::dealInvariantsOverManySeeds() {
    QFETCH(bool, numberPairs);
    const unsigned base = std::random_device{}();
    qInfo("base seed %u", base);
    QSet<QString> layouts;
    for (unsigned i = 0; i < 300; ++i) {
        ProgramState state;
        state.appFolder = QStringLiteral("/app");
        Board board;
        DealState deal;
        ScriptedRandom random({}, base + i);
        ChangePicSet(board, deal, state, 2, random,
                     [&](const QString &p) { return numberPairs && p == "/app/img2/13.gif"; });
        QCOMPARE(board.NumberPairMode, numberPairs);
        QMap<QString, int> count;
        for (const QString &pic : board.CardPic)
            ++count[pic];
        const int pictures = numberPairs ? 24 : 12;
        QCOMPARE(count.size(), pictures);
        for (int n = 0; n < pictures; ++n)
            QCOMPARE(count.value(QStringLiteral("/app/img2/%1.gif").arg(n)), numberPairs ? 1 : 2);
        layouts.insert(QStringList(board.CardPic.begin(), board.CardPic.end()).join(','));
    }
    QVERIFY(layouts.size() > 290);
}

void TestGame::dealDrawsNumberBeforeSlotInChosenFolder() {
    // No valid choice falls back to the first set.
    for (int chosen : {-1, 9}) {
        ProgramState state;
        Board board;
        DealState deal;
        ScriptedRandom random;
        ChangePicSet(board, deal, state, chosen, random, [](const QString &) { return false; });
        QCOMPARE(state.PicFolder, QStringLiteral("img0/"));
    }
    ProgramState state;
    state.appFolder = QStringLiteral("/app/");
    Board board;
    DealState deal;
    // Picture 0.5 * 12 = 6 onto card 0.99 * 24 = 23, again onto card 0, and a third time
    // onto card 12, which is refused.
    ScriptedRandom random({0.5, 0.99, 0.5, 0.0, 0.5, 0.5});
    ChangePicSet(board, deal, state, 6, random, [](const QString &) { return false; });
    QCOMPARE(board.CardPic[23], QStringLiteral("/app/img6/6.gif"));
    QCOMPARE(board.CardPic[0], QStringLiteral("/app/img6/6.gif"));
    QVERIFY(board.CardPic[12] != QStringLiteral("/app/img6/6.gif"));
}

void TestGame::clockSteps_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("openPairs");
    QTest::addColumn<int>("tenths");
    QTest::addColumn<QStringList>("shown"); // after a seconds step, then two tenths steps
    const QLocale c = QLocale::c();
    QTest::newRow("whole seconds") << c << 9 << 4 << QStringList{"58", "58.5", "58.6"};
    QTest::newRow("tenths") << c << 10 << 4 << QStringList{"", "58", "58.1"};
    QTest::newRow("comma") << QLocale(QLocale::Russian) << 11 << 0 << QStringList{"", "58", "58,1"};
    // A riddle that holds the seconds lets the tenths run past .9.
    QTest::newRow("held seconds") << c << 9 << 10 << QStringList{"58", "59.1", "59.2"};
}

void TestGame::clockSteps() {
    QFETCH(QLocale, locale);
    QFETCH(int, openPairs);
    QFETCH(int, tenths);
    QFETCH(QStringList, shown);
    ProgramState state;
    state.ClockSeconds = 57;
    state.ClockTenths = qint16(tenths);
    QCOMPARE(secondsStep(state, openPairs).value_or(QString()), shown[0]);
    QCOMPARE(tenthsStep(state, locale), shown[1]);
    QCOMPARE(tenthsStep(state, locale), shown[2]);
}

void TestGame::clockStopsAtSixteenBitLimit() {
    ProgramState state;
    state.ClockSeconds = 32766;
    QCOMPARE(secondsStep(state, 0), std::optional<QString>("32767"));
    QCOMPARE(secondsStep(state, 0), std::optional<QString>("32767"));
    state.ClockTenths = 32767;
    tenthsStep(state, QLocale::c());
    QCOMPARE(state.ClockTenths, qint16(32767));
}

QTEST_GUILESS_MAIN(TestGame)
#include "test_game.moc"

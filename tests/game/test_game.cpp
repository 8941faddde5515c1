// The board's turn rules, the deal and the clock steps.
#include "fakes.h"
#include "game/board.h"
#include "game/clock.h"
#include "game/deal.h"
#include "game/layout.h"
#include "ui/programstate.h"
#include "ui/randomsource.h"

#include <QMap>
#include <QtTest>
#include <random>

namespace {

// A board whose card k shows picture pics[k] in folder "/app/img0/".
Board boardWith(const QVector<int> &pics, bool numberPairs) {
    Board b;
    b.NumberPairMode = numberPairs;
    for (int k = 0; k < CardCount; ++k)
        b.CardPic[k] = QStringLiteral("/app/img0/%1.gif").arg(pics.value(k));
    return b;
}

// Picture mode: cards k and k + 12 show picture k.
Board pictureBoard() {
    QVector<int> pics;
    for (int k = 0; k < CardCount; ++k)
        pics.append(k % PairCount);
    return boardWith(pics, false);
}

// Number-pair mode: card k shows picture k, so k and k + 12 belong together.
Board numberBoard() {
    QVector<int> pics;
    for (int k = 0; k < CardCount; ++k)
        pics.append(k);
    return boardWith(pics, true);
}

// The card holding the partner of card k on boards made above.
int partner(int k) {
    return k < PairCount ? k + PairCount : k - PairCount;
}

} // namespace

class TestGame : public QObject {
    Q_OBJECT

  private slots:
    void firstClickIsComparedWithCard23_data();
    void firstClickIsComparedWithCard23();
    void sameCardTwice();
    void clickOnOpenCardTurnsOtherDownAndSkipsNextComparison();
    void numberPairMatching_data();
    void numberPairMatching();
    void pictureModeComparesPathsExactly();
    void tenthPairStartsTenthsOnEveryClick();
    void victoryRepeatsOnEveryLaterClick();
    void resetKeepsLayoutAndPreviousCard();
    void outOfRangeClickIsIgnored();
    void playerKind();
    void pictureNumberFromPath_data();
    void pictureNumberFromPath();

    void dealInvariantsOverManySeeds_data();
    void dealInvariantsOverManySeeds();
    void dealDrawsNumberBeforeSlot();
    void dealFolderFollowsChosenSet_data();
    void dealFolderFollowsChosenSet();

    void secondsStepCountsWholeSeconds();
    void tenthsDisplay_data();
    void tenthsDisplay();
    void clockStopsAtSixteenBitLimit();

    void gridPositions();
};

void TestGame::firstClickIsComparedWithCard23_data() {
    QTest::addColumn<bool>("numberPairs");
    QTest::addColumn<int>("card");
    QTest::addColumn<bool>("pairOpens");
    QTest::addColumn<bool>("card23FaceUp");
    // Picture mode: card 11 shows the same picture as card 23.
    QTest::newRow("picture mode, partner of 23") << false << 11 << true << false;
    QTest::newRow("picture mode, other card") << false << 0 << false << false;
    QTest::newRow("picture mode, card 23 itself") << false << 23 << false << true;
    QTest::newRow("number pairs, partner of 23") << true << 11 << true << false;
    QTest::newRow("number pairs, card 23 itself") << true << 23 << false << false;
}

void TestGame::firstClickIsComparedWithCard23() {
    QFETCH(bool, numberPairs);
    QFETCH(int, card);
    QFETCH(bool, pairOpens);
    QFETCH(bool, card23FaceUp);
    Board b = numberPairs ? numberBoard() : pictureBoard();
    QCOMPARE(b.PrevCard, 23);

    const TurnOutcome out = b.click(card);
    QCOMPARE(out.matched, pairOpens);
    QCOMPARE(b.OpenPairs, qint16(pairOpens ? 1 : 0));
    QCOMPARE(b.CardOpen[23], pairOpens);
    QCOMPARE(b.CardOpen[card], pairOpens);
    QCOMPARE(out.soundSlots, pairOpens ? QVector<int>({1, 2}) : QVector<int>({1}));
    // A pair found against the face-down card 23 leaves that card face down.
    QCOMPARE(b.FaceUp[23], card23FaceUp);
    QCOMPARE(b.PrevCard, card);
}

void TestGame::sameCardTwice() {
    Board pic = pictureBoard();
    pic.click(3);
    TurnOutcome out = pic.click(3);
    QVERIFY(out.turnedDown.isEmpty());
    QVERIFY(pic.FaceUp[3]);
    QCOMPARE(pic.OpenPairs, qint16(0));

    Board num = numberBoard();
    num.click(3);
    out = num.click(3);
    QCOMPARE(out.turnedDown, QVector<int>({3}));
    QVERIFY(!num.FaceUp[3]);
    QCOMPARE(num.OpenPairs, qint16(0));
}

void TestGame::clickOnOpenCardTurnsOtherDownAndSkipsNextComparison() {
    Board b = pictureBoard();
    b.click(0);
    QVERIFY(b.click(12).matched); // 0 and 12 open
    b.click(5);                   // face up, unmatched
    TurnOutcome out = b.click(0); // open card: pictures differ, so 5 goes down
    QCOMPARE(out.turnedDown, QVector<int>({5}));
    QVERIFY(!b.FaceUp[5]);
    QVERIFY(b.FaceUp[0]);
    QCOMPARE(b.PrevCard, 0);

    // The previous card is open now: the next click is not compared with anything.
    out = b.click(7);
    QVERIFY(out.turnedDown.isEmpty());
    QVERIFY(!out.matched);
    QVERIFY(b.FaceUp[7]);
    QVERIFY(b.FaceUp[0]);
}

void TestGame::numberPairMatching_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<bool>("match");
    QTest::newRow("0 then 12") << 0 << 12 << true;
    QTest::newRow("12 then 0") << 12 << 0 << true;
    QTest::newRow("11 then 23") << 11 << 23 << true;
    QTest::newRow("23 then 11") << 23 << 11 << true;
    QTest::newRow("5 then 6") << 5 << 6 << false;
    QTest::newRow("5 then 5") << 5 << 5 << false;
    QTest::newRow("1 then 11") << 1 << 11 << false;
}

void TestGame::numberPairMatching() {
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(bool, match);
    Board b = numberBoard();
    b.click(first == 22 ? 21 : 22); // leave card 23 out of the first comparison
    b.click(first);
    const TurnOutcome out = b.click(second);
    QCOMPARE(out.matched, match);
    QCOMPARE(b.CardOpen[first] && b.CardOpen[second], match);
    if (!match)
        QCOMPARE(out.turnedDown, QVector<int>({first}));
}

void TestGame::pictureModeComparesPathsExactly() {
    Board b = pictureBoard();
    // The same picture under another name or in another case is no pair.
    b.CardPic[4] = QStringLiteral("/app/img0/4.GIF");
    b.click(0);
    b.click(4);
    QVERIFY(!b.click(16).matched);
    b.click(1);
    QVERIFY(b.click(13).matched);
}

void TestGame::tenthPairStartsTenthsOnEveryClick() {
    Board b = pictureBoard();
    b.click(0); // compared with 23 (picture 11): no pair
    for (int pair = 0; pair < 10; ++pair) {
        b.click(pair);
        const TurnOutcome out = b.click(partner(pair));
        QVERIFY(out.matched);
        QCOMPARE(out.startTenths, pair == 9);
    }
    QCOMPARE(b.OpenPairs, qint16(10));
    // Any later click while ten pairs are open asks for the tenths timer again.
    QVERIFY(b.click(10).startTenths);
    QVERIFY(b.click(10).startTenths);
    const TurnOutcome eleventh = b.click(22);
    QVERIFY(eleventh.matched);
    QVERIFY(!eleventh.startTenths);
    QVERIFY(!eleventh.victory);
}

void TestGame::victoryRepeatsOnEveryLaterClick() {
    Board b = numberBoard();
    int victories = 0;
    for (int pair = 0; pair < PairCount; ++pair) {
        b.click(pair);
        if (b.click(partner(pair)).victory)
            ++victories;
    }
    QCOMPARE(victories, 1);
    QCOMPARE(b.OpenPairs, qint16(12));
    for (int k = 0; k < CardCount; ++k)
        QVERIFY(b.CardOpen[k] && b.FaceUp[k]);

    const TurnOutcome again = b.click(5);
    QVERIFY(again.victory);
    QVERIFY(!again.matched);
    QCOMPARE(again.soundSlots, QVector<int>({1}));
    QCOMPARE(b.OpenPairs, qint16(12));
}

void TestGame::resetKeepsLayoutAndPreviousCard() {
    Board b = numberBoard();
    b.click(2);
    b.click(14);
    b.click(7);
    const auto pics = b.CardPic;
    b.reset();
    QCOMPARE(b.OpenPairs, qint16(0));
    for (int k = 0; k < CardCount; ++k) {
        QVERIFY(!b.CardOpen[k]);
        QVERIFY(!b.FaceUp[k]);
    }
    QVERIFY(b.CardPic == pics);
    QVERIFY(b.NumberPairMode);
    QCOMPARE(b.PrevCard, 7);
    // The first click of the new game is compared with the face-down card 7.
    QVERIFY(b.click(19).matched);
    QVERIFY(!b.FaceUp[7]);
}

void TestGame::outOfRangeClickIsIgnored() {
    Board b = pictureBoard();
    QVERIFY(b.click(-1).soundSlots.isEmpty());
    QVERIFY(b.click(24).soundSlots.isEmpty());
    QCOMPARE(b.PrevCard, 23);
}

void TestGame::playerKind() {
    Board b;
    QCOMPARE(b.PlayerKind, Board::KindNone);
    const qint16 expected[3] = {4, 5, 7};
    for (int i = 0; i < 3; ++i) {
        b.choosePlayerKind(i);
        QCOMPARE(b.PlayerKind, expected[i]);
    }
    b.choosePlayerKind(3);
    QCOMPARE(b.PlayerKind, qint16(7));
}

void TestGame::pictureNumberFromPath_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("number");
    QTest::newRow("one digit") << "/home/a/img5/7.gif" << 7;
    QTest::newRow("two digits") << "/home/a/img5/13.gif" << 13;
    QTest::newRow("backslashes") << "C:\\Game\\img6\\23.gif" << 23;
    QTest::newRow("bare name") << "4.gif" << 4;
    QTest::newRow("leading zero") << "/img5/07.gif" << 7;
    QTest::newRow("not a number") << "/img5/ab.gif" << 0;
    QTest::newRow("empty") << "" << 0;
}

void TestGame::pictureNumberFromPath() {
    QFETCH(QString, path);
    QFETCH(int, number);
    QCOMPARE(Board::pictureNumber(path), number);
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
        QCOMPARE(deal.CardsDealt, 24.0f);
        QMap<QString, int> count;
        for (const QString &pic : board.CardPic) {
            QVERIFY2(pic.startsWith("/app/img2/") && pic.endsWith(".gif"), qPrintable(pic));
            ++count[pic];
        }
        const int pictures = numberPairs ? 24 : 12;
        QCOMPARE(count.size(), pictures);
        for (int n = 0; n < pictures; ++n)
            QCOMPARE(count.value(QStringLiteral("/app/img2/%1.gif").arg(n)), numberPairs ? 1 : 2);
        QStringList order(board.CardPic.begin(), board.CardPic.end());
        layouts.insert(order.join(','));
    }
    // Independent draws give different layouts.
    QVERIFY(layouts.size() > 290);
}

void TestGame::dealDrawsNumberBeforeSlot() {
    ProgramState state;
    state.appFolder = QStringLiteral("/app");
    Board board;
    DealState deal;
    // Number 0.5 * 12 = 6 onto slot 0.99 * 24 = 23; then number 6 again onto slot 0.
    ScriptedRandom random({0.5, 0.99, 0.5, 0.0, 0.5, 0.5});
    ChangePicSet(board, deal, state, 0, random, [](const QString &) { return false; });
    QCOMPARE(board.CardPic[23], QStringLiteral("/app/img0/6.gif"));
    QCOMPARE(board.CardPic[0], QStringLiteral("/app/img0/6.gif"));
    // A third copy of picture 6 is refused, so card 12 got something else.
    QVERIFY(board.CardPic[12] != QStringLiteral("/app/img0/6.gif"));
}

void TestGame::dealFolderFollowsChosenSet_data() {
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QString>("folder");
    QTest::newRow("set 0") << 0 << "/app/img0/";
    QTest::newRow("set 6") << 6 << "/app/img6/";
    QTest::newRow("none chosen") << -1 << "/app/img0/";
    QTest::newRow("out of range") << 9 << "/app/img0/";
}

void TestGame::dealFolderFollowsChosenSet() {
    QFETCH(int, chosen);
    QFETCH(QString, folder);
    ProgramState state;
    state.appFolder = QStringLiteral("/app/");
    Board board;
    DealState deal;
    ScriptedRandom random;
    QStringList asked;
    ChangePicSet(board, deal, state, chosen, random, [&](const QString &p) {
        asked.append(p);
        return false;
    });
    QCOMPARE(state.PicFolder, folder);
    QCOMPARE(asked, QStringList({folder + "13.gif"}));
    QVERIFY(board.CardPic[0].startsWith(folder));
}

void TestGame::secondsStepCountsWholeSeconds() {
    ProgramState state;
    QCOMPARE(secondsStep(state, 0), std::optional<QString>("1"));
    QCOMPARE(secondsStep(state, 9), std::optional<QString>("2"));
    state.ClockTenths = 7;
    // From the tenth pair on the seconds step leaves the label to the tenths step.
    QCOMPARE(secondsStep(state, 10), std::nullopt);
    QCOMPARE(state.ClockSeconds, qint16(3));
    QCOMPARE(state.ClockTenths, qint16(-1));
    QCOMPARE(tenthsStep(state, QLocale::c()), QStringLiteral("3"));
    QCOMPARE(tenthsStep(state, QLocale::c()), QStringLiteral("3.1"));
}

void TestGame::tenthsDisplay_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("tenthsBefore");
    QTest::addColumn<QString>("shown");
    QTest::newRow("point") << QLocale::c() << 57 << 2 << "57.3";
    QTest::newRow("whole second") << QLocale::c() << 58 << -1 << "58";
    QTest::newRow("comma") << QLocale(QLocale::Russian, QLocale::Russia) << 57 << 2 << "57,3";
    QTest::newRow("no group separator")
        << QLocale(QLocale::English, QLocale::UnitedStates) << 1234 << 4 << "1234.5";
    // A riddle that freezes the seconds lets the tenths run past .9.
    QTest::newRow("past nine tenths") << QLocale::c() << 40 << 10 << "41.1";
}

void TestGame::tenthsDisplay() {
    QFETCH(QLocale, locale);
    QFETCH(int, seconds);
    QFETCH(int, tenthsBefore);
    QFETCH(QString, shown);
    ProgramState state;
    state.ClockSeconds = qint16(seconds);
    state.ClockTenths = qint16(tenthsBefore);
    QCOMPARE(tenthsStep(state, locale), shown);
}

void TestGame::clockStopsAtSixteenBitLimit() {
    ProgramState state;
    state.ClockSeconds = 32766;
    QCOMPARE(secondsStep(state, 0), std::optional<QString>("32767"));
    QCOMPARE(secondsStep(state, 0), std::optional<QString>("32767"));
    QCOMPARE(state.ClockSeconds, qint16(32767));
    state.ClockTenths = 32767;
    tenthsStep(state, QLocale::c());
    QCOMPARE(state.ClockTenths, qint16(32767));
}

void TestGame::gridPositions() {
    const int xs[6] = {16, 120, 224, 328, 432, 536};
    const int ys[4] = {40, 134, 228, 322};
    for (int k = 0; k < CardCount; ++k) {
        const QRect r = Layout::cardRect(k);
        QCOMPARE(r.topLeft(), QPoint(xs[k % 6], ys[k / 6]));
        QCOMPARE(r.size(), QSize(90, 80));
    }
    QCOMPARE(Layout::cardRect(23).bottomRight(), QPoint(625, 401));
}

QTEST_GUILESS_MAIN(TestGame)
#include "test_game.moc"

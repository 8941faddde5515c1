// The main window played with the mouse: start-up, turning cards, the clock, victory, sound label.
#include "fakes.h"
#include "game/cardwidget.h"
#include "game/form1.h"
#include "game/program.h"
#include "gamedriver.h"
#include "settings/form2.h"
#include "ui/clicklabel.h"
#include "ui/picturecache.h"
#include "ui/programstate.h"
#include "ui/randomsource.h"

#include <QCheckBox>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

class TestForm1 : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void startUpShowsDealtBoardAndRunningClock();
    void wholeGameWithTheMouse();
    void clockShowsTenthsInTheLastPairs();
    void missingPictureAndNumberPairSet();
    void soundLabelSwitchesSound();
    void closingEndsTheProgram();

  private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestForm1::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    writeSet(m_dir->path() + "/img0", 12, "Colours");
    writeSet(m_dir->path() + "/img5", 24, "Pairs");
    writeSet(m_dir->path() + "/img2", 0, QByteArray(100000, 'x'));
}

void TestForm1::startUpShowsDealtBoardAndRunningClock() {
    Game g(m_dir->path());
    Form1 &w = *g.window;
    QCOMPARE(w.windowTitle(), QStringLiteral("Kestrova 2.5"));
    QCOMPARE(w.size(), QSize(641, 425));
    for (int k = 0; k < CardCount; ++k) {
        QVERIFY(w.Foto[k]->isVisible() && !w.Foto[k]->hasPicture());
        QCOMPARE(w.Foto[k]->pos(), QPoint(16 + 104 * (k % 6), 40 + 94 * (k / 6)));
        QVERIFY(w.board.CardPic[k].startsWith(m_dir->path() + "/img0/"));
    }
    QCOMPARE(g.random.seedCalls(), 1);
    QCOMPARE(w.lblTime->text(), QStringLiteral("Time"));
    QVERIFY(w.Timer1->isActive() && !w.Timer2->isActive());
    QCOMPARE(w.Timer1->interval(), 1000);
    QVERIFY(!w.Frame2->isVisible());
    QCOMPARE(w.lblSND->text(), QStringLiteral("Sound"));
    QCOMPARE(g.program.form2().optP[0]->text(), QStringLiteral("Colours"));
    // No name file gives an empty caption; a runaway one is cut short.
    QCOMPARE(g.program.form2().optP[1]->text(), QString());
    QCOMPARE(g.program.form2().optP[2]->text(), QString(40, 'x'));
}

void TestForm1::wholeGameWithTheMouse() {
    Game g(m_dir->path());
    Form1 &w = *g.window;
    const auto layout = w.board.CardPic;
    auto pairs = g.pairs();
    QCOMPARE(pairs.size(), 12);
    // Two cards of different pairs: the first turns face down again.
    g.click(pairs[0].first);
    g.click(pairs[1].first);
    QVERIFY(!w.Foto[pairs[0].first]->hasPicture() || w.board.CardOpen[pairs[0].first]);
    QVERIFY(w.Foto[pairs[1].first]->hasPicture());
    for (int i = 0; i < 12; ++i) {
        g.click(pairs[i].first);
        g.click(pairs[i].second);
        QCOMPARE(w.board.OpenPairs, qint16(i + 1));
        QCOMPARE(w.Timer2->isActive(), i >= 9 && i < 11);
        QCOMPARE(w.Frame2->isVisible(), i == 11);
    }
    for (CardWidget *card : w.Foto)
        QVERIFY(card->hasPicture());
    QVERIFY(!w.Timer1->isActive());
    QCOMPARE(w.lblEnd[1]->text(), w.lblTime->text());
    // The first game of a fresh installation beats the placeholder result.
    QCOMPARE(w.lblEnd[0]->text(), QStringLiteral("VICTORY!   You is First!"));
    QCOMPARE(g.sound.played.last(), g.file("victory1"));
    for (QRadioButton *kind : w.optKartinka)
        QVERIFY(!kind->isChecked());

    // "Else": the same layout face down, the clock from 0.
    const int last = w.board.PrevCard;
    QTest::mouseClick(w.cmdEND[0], Qt::LeftButton);
    QVERIFY(!w.Frame2->isVisible());
    for (CardWidget *card : w.Foto)
        QVERIFY(!card->hasPicture());
    QCOMPARE(w.board.OpenPairs, qint16(0));
    QCOMPARE(g.state.ClockSeconds, qint16(0));
    QVERIFY(w.Timer1->isActive() && !w.Timer2->isActive());
    QVERIFY(w.board.CardPic == layout);
    QCOMPARE(w.board.PrevCard, last);
}

void TestForm1::clockShowsTenthsInTheLastPairs() {
    Game g(m_dir->path());
    Form1 &w = *g.window;
    QTRY_COMPARE_WITH_TIMEOUT(w.lblTime->text(), QStringLiteral("1"), 2500);
    const auto pairs = g.pairs();
    for (int i = 0; i < 10; ++i) {
        g.click(pairs[i].first);
        g.click(pairs[i].second);
    }
    QTRY_VERIFY_WITH_TIMEOUT(w.lblTime->text().contains(QLocale().decimalPoint()), 1500);
    for (int i = 10; i < 12; ++i) {
        g.click(pairs[i].first);
        g.click(pairs[i].second);
    }
    const QString final = w.lblTime->text();
    QTest::qWait(300);
    QCOMPARE(w.lblTime->text(), final);
}

void TestForm1::missingPictureAndNumberPairSet() {
    Game g(m_dir->path(), 5);
    Form1 &w = *g.window;
    QVERIFY(w.board.NumberPairMode);
    QCOMPARE(g.state.PicFolder, m_dir->path() + "/img5/");
    const auto pairs = g.pairs();
    QCOMPARE(pairs.size(), 12);
    // A card whose picture is gone shows a stand-in, and its pair still opens.
    QVERIFY(QFile::remove(w.board.CardPic[pairs[2].first]));
    g.click(pairs[2].first);
    QVERIFY(w.Foto[pairs[2].first]->hasPicture());
    g.click(pairs[2].second);
    QVERIFY(w.board.CardOpen[pairs[2].first]);
}

void TestForm1::soundLabelSwitchesSound() {
    Game g(m_dir->path());
    Form1 &w = *g.window;
    QTest::mouseClick(w.lblSND, Qt::LeftButton);
    QCOMPARE(w.lblSND->text(), QStringLiteral("Snd on"));
    QVERIFY(!g.program.form2().chkS->isChecked());
    g.click(3);
    QCOMPARE(g.sound.played.last(), g.file("No"));
    QTest::mouseClick(w.lblSND, Qt::LeftButton);
    QCOMPARE(w.lblSND->text(), QStringLiteral("Snd off"));
    g.click(4);
    QCOMPARE(g.sound.played.last(), g.file("click1"));
}

void TestForm1::closingEndsTheProgram() {
    Game g(m_dir->path());
    QPointer<Form1> window = g.window;
    window->close();
    QVERIFY(g.program.quitRequested());
    QVERIFY(!g.program.form2Loaded());
    QTRY_VERIFY(window.isNull());
}

QTEST_MAIN(TestForm1)
#include "test_form1.moc"

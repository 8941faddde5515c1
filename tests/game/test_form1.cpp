// The main window played with the mouse: start-up, turning cards, the clock, victory, sound label.
#include "fakes.h"
#include "game/cardwidget.h"
#include "game/form1.h"
#include "game/program.h"
#include "gamedriver.h"
#include "records/kindquestion.h"
#include "settings/form2.h"
#include "testfiles.h"
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
    void doubleClickIsOneClick();
    void victoryFrameAsDesigned_data();
    void victoryFrameAsDesigned();
    void buttonFacesShowTheBackColour();
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

void TestForm1::doubleClickIsOneClick() {
    // In a number-pair set a second click on the same card turns it face down: a double-click
    // must leave it up, and the card turned before it where it was.
    Game g(m_dir->path(), 5);
    Form1 &w = *g.window;
    const auto pairs = g.pairs();
    // As the desktop reports one: a click, then the second press as a double-click, released.
    const auto doubleClick = [](QWidget *control) {
        QTest::mouseClick(control, Qt::LeftButton);
        QTest::mouseDClick(control, Qt::LeftButton);
        QTest::mouseRelease(control, Qt::LeftButton);
    };
    g.click(pairs[0].first);
    doubleClick(w.Foto[pairs[1].first]);
    QVERIFY(w.Foto[pairs[1].first]->hasPicture());
    QCOMPARE(g.sound.played.size(), 2);
    doubleClick(w.lblSND);
    QCOMPARE(w.lblSND->text(), QStringLiteral("Snd on"));
    // Keys always count.
    QTest::keyClick(w.Foto[pairs[1].first], Qt::Key_Space);
    QVERIFY(!w.Foto[pairs[1].first]->hasPicture());
}

void TestForm1::victoryFrameAsDesigned_data() {
    QTest::addColumn<QByteArray>("language");
    QTest::newRow("Russian") << QByteArray("0");
    QTest::newRow("English") << QByteArray("1");
}

void TestForm1::victoryFrameAsDesigned() {
    QFETCH(QByteArray, language);
    QVERIFY(
        !writeFile(*m_dir, "Kestrova.ini", "0\r\n0\r\n1\r\n" + language + "\r\n0\r\n").isEmpty());
    Game g(m_dir->path());
    Form1 &w = *g.window;
    g.win();
    // The kind buttons where the frame was designed: a click there chooses a kind.
    for (int i = 0; i < 3; ++i)
        QCOMPARE(w.Frame2->childAt(QList<int>{35, 100, 166}[i], 123), w.optKartinka[i]);
    // The question keeps its caption; each kind word begins right after its button, and no
    // button covers a letter.
    const auto *question = static_cast<KindQuestion *>(w.lblEnd[3]);
    QCOMPARE(question->text(),
             language == "0" ? QStringLiteral("Ты:       мальчик,       девочка,       друг?")
                             : QStringLiteral("       boy?              girl?               ?"));
    QVERIFY(question->wordFont().pixelSize() >= 8);
    const QVector<QRect> words = question->wordBoxes();
    for (int i = 0; i < words.size(); ++i) {
        const QRect word = words[i].translated(question->pos());
        QVERIFY(word.right() < w.Frame2->width());
        for (QRadioButton *kind : w.optKartinka)
            QVERIFY(!word.intersects(kind->geometry()));
        const int kind = i - (int(words.size()) - 3);
        if (kind >= 0)
            QVERIFY(qAbs(word.left() - w.optKartinka[kind]->geometry().right()) <= 4);
    }
    // Each headline fits its label, no line cut (checked as the first place's headline).
    const QStringList headlines = {g.state.MsgFirstPlace, g.state.MsgTopTen, g.state.MsgNoRecord};
    for (const QString &headline : headlines) {
        g.state.MsgFirstPlace = headline;
        w.ProverkaRekorda();
        QCOMPARE(w.lblEnd[0]->text(), headline);
        QVERIFY(w.lblEnd[0]->heightForWidth(177) <= 49);
        QVERIFY(w.lblEnd[0]->font().pixelSize() >= 12);
    }
}

void TestForm1::buttonFacesShowTheBackColour() {
    // The cards' colour on the faces, flat, whatever the widget style draws.
    Game g(m_dir->path());
    QPushButton *clear = g.window->cmdTOP[0];
    for (int n = 0; n < 7; ++n) {
        g.state.IniValue[0] = QString::number(n);
        g.program.form2().SetColor();
        const QColor card = g.window->Foto[1]->backColor();
        const QImage face = clear->grab().toImage();
        for (const QPoint &at : {QPoint(4, 4), QPoint(85, 20), QPoint(45, 5)}) {
            const QColor c = face.pixelColor(at);
            QVERIFY2(qAbs(c.red() - card.red()) + qAbs(c.green() - card.green()) +
                             qAbs(c.blue() - card.blue()) <=
                         8,
                     qPrintable(QStringLiteral("background %1: %2").arg(n).arg(c.name())));
        }
    }
    // Pressed, disabled and focused faces still look different.
    const QImage plain = clear->grab().toImage();
    QApplication::setActiveWindow(g.window);
    for (const auto &look : std::initializer_list<std::function<void(bool)>>{
             [clear](bool on) { clear->setDown(on); }, [clear](bool on) { clear->setEnabled(!on); },
             [clear](bool on) { on ? clear->setFocus() : clear->clearFocus(); }}) {
        look(true);
        QVERIFY(clear->grab().toImage() != plain);
        look(false);
    }
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

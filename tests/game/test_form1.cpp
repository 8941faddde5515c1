// The main window played with the mouse: start-up, turning cards, the clock, victory, sound label.
#include "fakes.h"
#include "game/cardwidget.h"
#include "game/form1.h"
#include "game/program.h"
#include "settings/form2.h"
#include "ui/clicklabel.h"
#include "ui/picturecache.h"
#include "ui/programstate.h"
#include "ui/randomsource.h"

#include <QCheckBox>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// A picture set in `folder`: `count` distinct coloured pictures named 0.gif, 1.gif, ...
void writeSet(const QString &folder, int count, const QString &name) {
    QDir().mkpath(folder);
    for (int n = 0; n < count; ++n) {
        QImage image(90, 80, QImage::Format_RGB32);
        image.fill(QColor::fromHsv(n * 15, 200, 230));
        QVERIFY(image.save(QStringLiteral("%1/%2.gif").arg(folder).arg(n), "PNG"));
    }
    QFile f(folder + "/setname.txt");
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(name.toUtf8() + "\r\n");
}

struct Game {
    explicit Game(const QString &appFolder) : program(state, random, sound, pictures) {
        state.appFolder = appFolder;
        window = &program.showMainWindow();
    }
    ProgramState state;
    ScriptedRandom random{{}, 7};
    RecordingSound sound;
    PictureCache pictures;
    Program program;
    Form1 *window = nullptr;

    void click(int k) { QTest::mouseClick(window->Foto[k], Qt::LeftButton); }
    // The cards that belong together, as pairs of card indexes.
    QVector<QPair<int, int>> pairs() const {
        QVector<QPair<int, int>> result;
        const Board &b = window->board;
        for (int a = 0; a < CardCount; ++a)
            for (int c = a + 1; c < CardCount; ++c) {
                const bool together = b.NumberPairMode
                                          ? qAbs(Board::pictureNumber(b.CardPic[a]) -
                                                 Board::pictureNumber(b.CardPic[c])) == PairCount
                                          : b.CardPic[a] == b.CardPic[c];
                if (together)
                    result.append({a, c});
            }
        return result;
    }
    // Opens every pair with the mouse.
    void playWholeGame() {
        for (const auto &[a, c] : pairs()) {
            click(a);
            click(c);
        }
    }
};

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void startUpShowsDealtBoardAndRunningClock();
    void mismatchTurnsPreviousCardDown();
    void wholeGameWithTheMouse();
    void victoryRepeatsOnLaterClick();
    void playAgainKeepsTheLayout();
    void clockCountsWholeSecondsThenTenths();
    void missingPictureShowsStandIn();
    void numberPairSetIsDetected();
    void soundLabelSwitchesSound();
    void closingEndsTheProgram();

  private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestForm1::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    writeSet(m_dir->path() + "/img0", 12, "Colours");
    writeSet(m_dir->path() + "/img5", 24, "Pairs");
}

void TestForm1::startUpShowsDealtBoardAndRunningClock() {
    Game g(m_dir->path());
    Form1 &w = *g.window;
    QCOMPARE(w.windowTitle(), QStringLiteral("Kestrova 2.5"));
    QCOMPARE(w.size(), QSize(641, 425));
    const int xs[6] = {16, 120, 224, 328, 432, 536};
    const int ys[4] = {40, 134, 228, 322};
    for (int k = 0; k < CardCount; ++k) {
        QVERIFY(w.Foto[k]->isVisible());
        QCOMPARE(w.Foto[k]->geometry(), QRect(xs[k % 6], ys[k / 6], 90, 80));
        QVERIFY(!w.Foto[k]->hasPicture());
        QVERIFY(w.board.CardPic[k].startsWith(m_dir->path() + "/img0/"));
    }
    QCOMPARE(g.random.seedCalls(), 1);
    QCOMPARE(w.board.PrevCard, 23);
    QVERIFY(!w.board.NumberPairMode);
    QCOMPARE(w.lblTime->text(), QStringLiteral("Time"));
    QVERIFY(w.Timer1->isActive());
    QCOMPARE(w.Timer1->interval(), 1000);
    QVERIFY(!w.Timer2->isActive());
    QVERIFY(!w.Frame2->isVisible());
    QCOMPARE(w.lblSND->text(), QStringLiteral("Sound"));
    QCOMPARE(g.state.SoundFile[1], m_dir->path() + "/sounds/click1.wav");
    QCOMPARE(g.state.LineBreak, QStringLiteral("\r\n"));
    QCOMPARE(g.state.RiddleCount, 14);
    QCOMPARE(g.program.form2().optP[0]->text(), QStringLiteral("Colours"));
    QCOMPARE(g.program.form2().optP[1]->text(), QString());
}

void TestForm1::mismatchTurnsPreviousCardDown() {
    Game g(m_dir->path());
    Form1 &w = *g.window;
    // Pairs away from card 23, which the first click is compared with.
    QVector<QPair<int, int>> pairs;
    for (const auto &pair : g.pairs())
        if (pair.second != 23)
            pairs.append(pair);
    const int a = pairs[0].first, b = pairs[1].first;
    g.click(a);
    g.click(b);
    QVERIFY(!w.Foto[a]->hasPicture());
    QVERIFY(w.Foto[b]->hasPicture());
    g.click(pairs[1].second);
    QVERIFY(w.Foto[b]->hasPicture());
    QVERIFY(w.Foto[pairs[1].second]->hasPicture());
    QCOMPARE(w.board.OpenPairs, qint16(1));
    const QString click = m_dir->path() + "/sounds/click1.wav";
    const QString pair = m_dir->path() + "/sounds/click2.wav";
    QCOMPARE(g.sound.played.mid(g.sound.played.size() - 2), QStringList({click, pair}));
}

void TestForm1::wholeGameWithTheMouse() {
    Game g(m_dir->path());
    Form1 &w = *g.window;
    const auto pairs = g.pairs();
    QCOMPARE(pairs.size(), 12);
    for (int i = 0; i < pairs.size(); ++i) {
        g.click(pairs[i].first);
        g.click(pairs[i].second);
        QCOMPARE(w.board.OpenPairs, qint16(i + 1));
        QCOMPARE(w.Timer2->isActive(), i + 1 >= 10 && i + 1 < 12);
        QCOMPARE(w.Frame2->isVisible(), i + 1 == 12);
    }
    for (CardWidget *card : w.Foto)
        QVERIFY(card->hasPicture());
    QVERIFY(!w.Timer1->isActive());
    QVERIFY(!w.Timer2->isActive());
    QCOMPARE(w.lblEnd[1]->text(), w.lblTime->text());
    QCOMPARE(w.lblEnd[0]->text(), QStringLiteral("VICTORY!  You time is"));
    QCOMPARE(w.lblEnd[2]->text(), QStringLiteral("seconds"));
    QCOMPARE(g.sound.played.last(), m_dir->path() + "/sounds/victory.wav");
    for (QRadioButton *kind : w.optKartinka) {
        QVERIFY(!kind->isChecked());
        QCOMPARE(kind->palette().color(QPalette::Window), w.Foto[1]->backColor());
    }
}

void TestForm1::victoryRepeatsOnLaterClick() {
    Game g(m_dir->path());
    Form1 &w = *g.window;
    g.playWholeGame();
    QVERIFY(w.Frame2->isVisible());
    w.Frame2->hide();
    const int before = g.sound.played.count(m_dir->path() + "/sounds/victory.wav");
    // Card 0 lies outside the frame, so it can be clicked while the frame is up.
    g.click(0);
    QVERIFY(w.Frame2->isVisible());
    QCOMPARE(g.sound.played.count(m_dir->path() + "/sounds/victory.wav"), before + 1);
}

void TestForm1::playAgainKeepsTheLayout() {
    Game g(m_dir->path());
    Form1 &w = *g.window;
    const auto layout = w.board.CardPic;
    g.playWholeGame();
    const int last = w.board.PrevCard;
    QTest::mouseClick(w.cmdEND[0], Qt::LeftButton);
    QVERIFY(!w.Frame2->isVisible());
    for (CardWidget *card : w.Foto)
        QVERIFY(!card->hasPicture());
    QCOMPARE(w.board.OpenPairs, qint16(0));
    QCOMPARE(g.state.ClockSeconds, qint16(0));
    QVERIFY(w.Timer1->isActive());
    QVERIFY(!w.Timer2->isActive());
    QVERIFY(w.board.CardPic == layout);
    QCOMPARE(w.board.PrevCard, last);
}

void TestForm1::clockCountsWholeSecondsThenTenths() {
    Game g(m_dir->path());
    Form1 &w = *g.window;
    QTRY_COMPARE_WITH_TIMEOUT(w.lblTime->text(), QStringLiteral("1"), 2500);
    const auto pairs = g.pairs();
    for (int i = 0; i < 10; ++i) {
        g.click(pairs[i].first);
        g.click(pairs[i].second);
    }
    QVERIFY(w.Timer2->isActive());
    QCOMPARE(w.Timer2->interval(), 100);
    // Within a second some tenths appear, such as "1.3".
    QTRY_VERIFY_WITH_TIMEOUT(w.lblTime->text().contains(QLocale().decimalPoint()), 1500);
    g.click(pairs[10].first);
    g.click(pairs[10].second);
    g.click(pairs[11].first);
    g.click(pairs[11].second);
    const QString final = w.lblTime->text();
    QTest::qWait(300);
    QCOMPARE(w.lblTime->text(), final);
    QCOMPARE(w.lblEnd[1]->text(), final);
}

void TestForm1::missingPictureShowsStandIn() {
    Game g(m_dir->path());
    Form1 &w = *g.window;
    const auto pairs = g.pairs();
    QVERIFY(QFile::remove(w.board.CardPic[pairs[0].first]));
    g.click(pairs[0].first);
    QVERIFY(w.Foto[pairs[0].first]->hasPicture());
    g.click(pairs[0].second);
    QCOMPARE(w.board.OpenPairs, qint16(1));
}

void TestForm1::numberPairSetIsDetected() {
    ProgramState state;
    state.appFolder = m_dir->path();
    ScriptedRandom random;
    RecordingSound sound;
    PictureCache pictures;
    Program program(state, random, sound, pictures);
    program.form2().optP[5]->setChecked(true);
    Form1 &w = program.showMainWindow();
    QVERIFY(w.board.NumberPairMode);
    QCOMPARE(state.PicFolder, m_dir->path() + "/img5/");
    QSet<QString> distinct(w.board.CardPic.begin(), w.board.CardPic.end());
    QCOMPARE(distinct.size(), 24);
}

void TestForm1::soundLabelSwitchesSound() {
    Game g(m_dir->path());
    Form1 &w = *g.window;
    QTest::mouseClick(w.lblSND, Qt::LeftButton);
    QCOMPARE(w.lblSND->text(), QStringLiteral("Snd on"));
    QVERIFY(!g.program.form2().chkS->isChecked());
    g.click(3);
    QCOMPARE(g.sound.played.last(), m_dir->path() + "/sounds/No.wav");
    QTest::mouseClick(w.lblSND, Qt::LeftButton);
    QCOMPARE(w.lblSND->text(), QStringLiteral("Snd off"));
    QVERIFY(g.program.form2().chkS->isChecked());
    g.click(4);
    QCOMPARE(g.sound.played.last(), m_dir->path() + "/sounds/click1.wav");
}

void TestForm1::closingEndsTheProgram() {
    Game g(m_dir->path());
    g.program.form2();
    QVERIFY(g.program.form2Loaded());
    QPointer<Form1> window = g.window;
    window->close();
    QVERIFY(g.program.quitRequested());
    QVERIFY(!g.program.form2Loaded());
    QCOMPARE(g.program.form1(), nullptr);
    QTRY_VERIFY(window.isNull());
}

QTEST_MAIN(TestForm1)
#include "test_form1.moc"

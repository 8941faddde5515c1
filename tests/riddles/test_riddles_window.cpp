// The riddles window through the real windows: opened from the link and at start-up, judging
// answers, stepping, the last riddle's pointers, its shape, layer and dragging.
#include "gamedriver.h"
#include "modal.h"
#include "riddles/frmzag.h"
#include "settings/soundtable.h"
#include "testfiles.h"
#include "ui/clicklabel.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int Riddles = 14;

// A riddles folder of 14 riddles "Riddle n" (two lines each) with their pictures; the right
// picture of each riddle is white, the others grey.
void writeRiddles(const QString &appFolder, int count = Riddles) {
    QDir().mkpath(appFolder + "/zagadki");
    QByteArray text;
    for (int n = 0; n < count; ++n) {
        if (n > 0)
            text += "***\r\n";
        text += QByteArray("Riddle ") + QByteArray::number(n) + "\r\nsecond line\r\n";
        for (int k = 0; k < 3; ++k) {
            QImage picture(57, 41, QImage::Format_RGB32);
            picture.fill(k == n % 3 ? Qt::white : Qt::gray);
            picture.save(QStringLiteral("%1/zagadki/z%2-%3.gif").arg(appFolder).arg(n).arg(k),
                         "PNG");
        }
    }
    QFile file(appFolder + "/zagadki/zagi.txt");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

void writeSettings(const QString &appFolder, const QByteArray &riddleAtStart) {
    QFile ini(appFolder + "/Kestrova.ini");
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("optFon=0\r\noptP=0\r\nchks.Value=1\r\nLocalisation=0\r\nchkz.Value=" +
              riddleAtStart + "\r\n");
}

// What the riddles window showed in the middle of a verdict's pause.
struct Verdict {
    QString text;
    Qt::Alignment alignment;
    bool visible = false;
};

// Clicks picture k and looks at the window halfway through the pause.
Verdict answer(FrmZAG &riddles, int k) {
    Verdict seen;
    QTimer::singleShot(riddles.PauseMs / 2, [&] {
        seen.text = riddles.lbl[1]->text();
        seen.alignment = riddles.lbl[1]->alignment();
        seen.visible = riddles.isVisible();
    });
    QTest::mouseClick(riddles.img[k], Qt::LeftButton);
    return seen;
}

// The pointer passing over a widget with no button held, as the window system reports it.
void hover(QWidget *widget) {
    const QPointF at(10, 10);
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

class RiddlesWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        writeSet(m_dir.path() + "/img0", 12, "Animals");
    }
    void cleanup() {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    void theLinkAsksARiddleWhileTheClockWaits() {
        writeRiddles(m_dir.path());
        Game g(m_dir.path());
        QVERIFY(g.window->Timer1->isActive());
        bool clockStopped = false;
        QPoint at;
        QString number;
        onNextModal([&](QWidget *modal) {
            auto *riddles = qobject_cast<FrmZAG *>(modal);
            QVERIFY(riddles);
            clockStopped = !g.window->Timer1->isActive();
            at = riddles->pos();
            number = riddles->lbl[3]->text();
            riddles->PauseMs = 10;
            QTest::mouseClick(riddles->img[riddles->AnswerPic], Qt::LeftButton);
        });
        QTest::mouseClick(g.window->lblZAG, Qt::LeftButton);
        QVERIFY(clockStopped);
        QCOMPARE(at, g.window->frameGeometry().topLeft() + QPoint(67, 67));
        QVERIFY(number.toInt() >= 1 && number.toInt() <= 13);
        QVERIFY(!g.program.frmZAG().isVisible());
        QVERIFY(g.window->Timer1->isActive());
    }

    void aMissingRiddleFileIsToldAndTheClockGoesAgain() {
        Game g(m_dir.path());
        g.win();
        QVERIFY(!g.window->Timer1->isActive());
        Modal seen;
        closeNextModal(seen);
        QTest::mouseClick(g.window->lblZAG, Qt::LeftButton);
        QCOMPARE(seen.title, QStringLiteral("Ошибочка"));
        QCOMPARE(seen.text, QStringLiteral("Нет файла\n%1\nс загадками")
                                .arg(QDir::toNativeSeparators(m_dir.path() + "/zagadki/zagi.txt")));
        QVERIFY(!g.program.frmZAGLoaded());
        QVERIFY(g.window->Timer1->isActive());
    }

    // (That it comes again when "Apply" builds a new main window is played on a real X server,
    // tests/e2e/riddles.py.)
    void theStartUpRiddleComesBeforeTheGame() {
        writeRiddles(m_dir.path());
        writeSettings(m_dir.path(), "1");
        bool mainShown = true, clockRunning = true;
        QString number;
        onNextModal([&](QWidget *modal) {
            auto *riddles = qobject_cast<FrmZAG *>(modal);
            QVERIFY(riddles);
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *main = qobject_cast<Form1 *>(w)) {
                    mainShown = main->isVisible();
                    clockRunning = main->Timer1->isActive();
                }
            number = riddles->lbl[3]->text();
            riddles->PauseMs = 10;
            QTest::mouseClick(riddles->img[riddles->AnswerPic], Qt::LeftButton);
        });
        // The first draw of the start-up picks the riddle: the top of the range gives 13.
        Game g(m_dir.path(), 0, {0.99999994});
        QVERIFY(!mainShown);
        QVERIFY(!clockRunning);
        QCOMPARE(number, QStringLiteral("13"));
        QVERIFY(g.window->isVisible());
        QVERIFY(g.window->Timer1->isActive());
    }

    void noRiddleAtStartWithTheSwitchOffOrTheFileMissing() {
        writeSettings(m_dir.path(), "0");
        writeRiddles(m_dir.path());
        {
            Game g(m_dir.path());
            QVERIFY(!g.program.frmZAGLoaded());
        }
        QFile::remove(m_dir.path() + "/zagadki/zagi.txt");
        writeSettings(m_dir.path(), "1");
        MessageCloser closer;
        Game g(m_dir.path());
        QCOMPARE(closer.said.size(), 1);
        QVERIFY(closer.said[0].startsWith(QStringLiteral("Нет файла\n")));
        QVERIFY(!g.program.frmZAGLoaded());
        QVERIFY(g.window->Timer1->isActive());
    }

    void theRiddleItsNumberAndPictures() {
        writeRiddles(m_dir.path());
        Game g(m_dir.path());
        FrmZAG &riddles = g.program.frmZAG();
        riddles.DoZagadki(12);
        QCOMPARE(riddles.lbl[1]->text(), QStringLiteral("Riddle 12\nsecond line\n"));
        QCOMPARE(riddles.lbl[3]->text(), QStringLiteral("13"));
        QCOMPARE(riddles.AnswerPic, 0);
        QCOMPARE(riddles.img[0]->pixmap().toImage().pixelColor(5, 5), QColor(Qt::white));
        QCOMPARE(riddles.img[1]->pixmap().toImage().pixelColor(5, 5), QColor(Qt::gray));
        riddles.DoZagadki(13);
        QCOMPARE(riddles.lbl[3]->text(), QStringLiteral("14"));
        QCOMPARE(riddles.AnswerPic, 1);

        // A riddle the file does not hold, and pictures that are missing, stay empty.
        writeRiddles(m_dir.path(), 3);
        QFile::remove(m_dir.path() + "/zagadki/z1-2.gif");
        riddles.DoZagadki(1);
        QVERIFY(riddles.img[2]->pixmap().isNull());
        QVERIFY(!riddles.img[1]->pixmap().isNull());
        riddles.DoZagadki(7);
        QCOMPARE(riddles.lbl[1]->text(), QString());
        QCOMPARE(riddles.lbl[3]->text(), QStringLiteral("8"));
        QCOMPARE(riddles.AnswerPic, 1);
    }

    void answersArePraisedOrReproved() {
        writeRiddles(m_dir.path());
        Game g(m_dir.path());
        FrmZAG &riddles = g.program.frmZAG();
        const auto words = verdictWords();
        riddles.PauseMs = 200;
        // Wrong pictures: a reproof, the card's sound and the riddle again; the right one: praise,
        // the pair's sound, and the window closes. Four rounds, as the words are drawn at random.
        for (int round = 0; round < 4; ++round) {
            riddles.DoZagadki(4);
            riddles.show();
            for (int k : {0, 2, 1}) {
                const bool right = k == 1;
                QElapsedTimer clock;
                clock.start();
                const Verdict seen = answer(riddles, k);
                QVERIFY(clock.elapsed() >= riddles.PauseMs);
                QVERIFY(seen.visible && seen.text.startsWith("\n\n"));
                QCOMPARE(seen.alignment & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
                const auto from = words.begin() + (right ? 0 : 5);
                QVERIFY(std::find(from, from + 5, seen.text.mid(2)) != from + 5);
                QCOMPARE(g.sound.played.last(),
                         g.state.SoundFile[right ? SoundSlot::Pair : SoundSlot::Click]);
                QCOMPARE(riddles.isVisible(), !right);
                QCOMPARE(riddles.lbl[1]->text(), QStringLiteral("Riddle 4\nsecond line\n"));
                QCOMPARE(riddles.lbl[1]->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
            }
        }
        // There is no way out but the right answer.
        riddles.show();
        QTest::keyClick(&riddles, Qt::Key_Escape);
        QVERIFY(riddles.isVisible());
    }

    void theHotSpotsStepAndWrap() {
        writeRiddles(m_dir.path());
        Game g(m_dir.path());
        FrmZAG &riddles = g.program.frmZAG();
        riddles.DoZagadki(12);
        QTest::mouseClick(riddles.lblNEXT[0], Qt::LeftButton);
        QCOMPARE(riddles.RiddleNo, 13);
        QTest::mouseClick(riddles.lblNEXT[0], Qt::LeftButton);
        QCOMPARE(riddles.RiddleNo, 0);
        QCOMPARE(riddles.lbl[3]->text(), QStringLiteral("1"));
        QCOMPARE(riddles.lbl[1]->text(), QStringLiteral("Riddle 0\nsecond line\n"));
        QCOMPARE(riddles.AnswerPic, 0);
        QTest::mouseClick(riddles.lblNEXT[1], Qt::LeftButton);
        QCOMPARE(riddles.RiddleNo, 13);
        QCOMPARE(riddles.lbl[3]->text(), QStringLiteral("14"));
        QCOMPARE(riddles.AnswerPic, 1);
        QCOMPARE(riddles.img[1]->pixmap().toImage().pixelColor(5, 5), QColor(Qt::white));
        // The right answer closes the window after stepping, too.
        riddles.PauseMs = 10;
        riddles.show();
        answer(riddles, 1);
        QVERIFY(!riddles.isVisible());
    }

    void theLastRiddleHasPointersOfItsOwn() {
        writeRiddles(m_dir.path());
        QImage icon(32, 32, QImage::Format_ARGB32);
        icon.fill(Qt::red);
        QVERIFY(icon.save(m_dir.path() + "/zagadki/142.ico", "ICO"));
        QVERIFY(icon.save(m_dir.path() + "/zagadki/140.ico", "ICO"));
        QVERIFY(!writeFile(m_dir, "zagadki/141.ico", QByteArray(300, '\x01')).isEmpty());
        Game g(m_dir.path());
        FrmZAG &riddles = g.program.frmZAG();
        const QPoint hand = riddles.img[0]->cursor().hotSpot();
        riddles.DoZagadki(12);
        hover(riddles.img[0]);
        QCOMPARE(riddles.img[0]->cursor().hotSpot(), hand);

        QTest::mouseClick(riddles.lblNEXT[0], Qt::LeftButton);
        QCOMPARE(riddles.RiddleNo, 13);
        hover(riddles.img[2]);
        hover(riddles.img[1]);
        QCOMPARE(riddles.img[2]->cursor().hotSpot(), QPoint(16, 16));
        QCOMPARE(riddles.img[2]->cursor().pixmap().toImage().pixelColor(16, 16), QColor(Qt::red));
        // An unreadable icon leaves the pointer as it was.
        QCOMPARE(riddles.img[1]->cursor().hotSpot(), hand);

        // The pointer stays after stepping to another riddle.
        QTest::mouseClick(riddles.lblNEXT[1], Qt::LeftButton);
        QCOMPARE(riddles.RiddleNo, 12);
        QCOMPARE(riddles.img[2]->cursor().hotSpot(), QPoint(16, 16));
        QCOMPARE(riddles.img[0]->cursor().hotSpot(), hand);
    }

    void aRoundedBorderlessWindowThatGoesWithTheMainWindow() {
        // (Its place above the main window is checked on a real X server, tests/e2e.)
        writeRiddles(m_dir.path());
        Game g(m_dir.path());
        FrmZAG &riddles = g.program.frmZAG();
        QVERIFY(riddles.windowFlags() & Qt::FramelessWindowHint);
        const QRegion shape = riddles.mask();
        QCOMPARE(shape.boundingRect(), QRect(100, 10, 344, 210));
        for (const QPoint corner : {QPoint(100, 10), QPoint(443, 219), QPoint(103, 13)})
            QVERIFY(!shape.contains(corner));
        QVERIFY(shape.contains(QPoint(115, 25)) && shape.contains(QPoint(430, 205)));
        g.window->close();
        QVERIFY(!g.program.frmZAGLoaded());
    }

    void draggedByItsBodyButNotByThePictures() {
        writeRiddles(m_dir.path());
        Game g(m_dir.path());
        FrmZAG &riddles = g.program.frmZAG();
        riddles.DoZagadki(0);
        riddles.move(200, 150);
        riddles.show();
        QVERIFY(QTest::qWaitForWindowExposed(&riddles));
        auto drag = [&](QWidget *from, QPoint at) {
            const QPoint start = riddles.pos();
            QTest::mousePress(from, Qt::LeftButton, {}, at);
            QTest::mouseMove(from, at + QPoint(30, 20));
            QTest::mouseRelease(from, Qt::LeftButton, {}, at + QPoint(30, 20));
            return riddles.pos() - start;
        };
        // The riddle text lets the press through to the window.
        QCOMPARE(drag(&riddles, riddles.lbl[1]->geometry().center()), QPoint(30, 20));
        QCOMPARE(drag(&riddles, QPoint(130, 215)), QPoint(30, 20));
        riddles.PauseMs = 10;
        QCOMPARE(drag(riddles.img[0], QPoint(5, 5)), QPoint(0, 0));
        QCOMPARE(drag(riddles.lblNEXT[1], QPoint(5, 5)), QPoint(0, 0));
        riddles.hide();
    }

  private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(RiddlesWindowTest)
#include "test_riddles_window.moc"

// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The riddles window: its shape, number and pictures, its keys and verdicts, the last riddle's
// pointers, and the riddles the main window asks.
#include "gamedriver.h"
#include "nativeclick.h"
#include "riddles/frmzag.h"

class RiddlesWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { installModalWatchdog(); }
    // A fresh folder of fourteen riddles "Riddle n"; of the pictures only the second of riddle 5.
    void init() {
        m_dir.emplace();
        writeSet(m_dir->path() + "/img0", 12, "Animals");
        QDir().mkpath(m_dir->path() + "/zagadki");
        QByteArray text;
        for (int n = 0; n < RiddleCount; ++n)
            text += "Riddle " + QByteArray::number(n) + "\r\n***\r\n";
        QVERIFY(!writeFile(*m_dir, "zagadki/zagi.txt", text).isEmpty());
        QVERIFY(QFile::copy(m_dir->filePath("img0/0.gif"), m_dir->filePath("zagadki/z5-1.gif")));
    }
    void cleanup() { m_game.reset(); }

    void aRoundedFramelessWindowOnTopWithItsNumberAndPictures() {
        FrmZAG &w = riddles();
        QVERIFY(w.windowFlags().testFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint));
        QCOMPARE(w.mask().boundingRect(), QRect(100, 10, 344, 210));
        QVERIFY(!w.mask().contains(QPoint(103, 13)) && w.mask().contains(QPoint(115, 25)));

        // Riddle 5 is number 6, which stands over the blanks of "Загадка    :".
        w.DoZagadki(5);
        QLabel *heading = child<QLabel>(&w, "lbl(0)"), *number = child<QLabel>(&w, "lbl(3)");
        QCOMPARE(number->text(), QStringLiteral("6"));
        const QFontMetrics metrics(heading->font());
        const int middle = number->geometry().center().x() - heading->x();
        QVERIFY(middle > metrics.horizontalAdvance("Загадка") &&
                middle < metrics.horizontalAdvance("Загадка    "));
        // A missing picture leaves its place empty.
        QVERIFY(!child<QLabel>(&w, "img(1)")->pixmap().isNull() &&
                child<QLabel>(&w, "img(2)")->pixmap().isNull());
    }

    // Riddle 4's right picture is the second; the keys 1, 2 and 3 choose a picture. A wrong
    // answer is reproved and the riddle stays; the right one is praised and the window goes.
    // Drawn larger, the window takes a click on a picture where the picture shows.
    void answersArePraisedOrReproved() {
        writeFile(*m_dir, "Kestrova.size", "1.2\r\n");
        FrmZAG &w = riddles();
        QCOMPARE(WindowScaler::factor(), 1.2);
        w.DoZagadki(4);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::keyClick(&w, Qt::Key_Escape); // which does not close the window
        const auto words = verdictWords();
        QLabel *text = child<QLabel>(&w, "lbl(1)");
        for (int k : {0, 2, 1}) {
            QString verdict, heard; // during the pause
            QTimer::singleShot(w.PauseMs / 2, [&] {
                verdict = text->text().mid(2);
                heard = m_game->sound.played.value(m_game->sound.played.size() - 1);
            });
            QTest::keyClick(&w, Qt::Key(Qt::Key_1 + k));
            const bool right = k == 1;
            QCOMPARE((std::find(words.begin(), words.end(), verdict) - words.begin()) / 5,
                     right ? 0 : 1);
            QCOMPARE(heard, m_game->file(right ? "click2" : "click1"));
            QCOMPARE(w.isVisible(), !right);
            QCOMPARE(text->text(), QStringLiteral("Riddle 4\n"));
        }
        w.show();
        clickControl(child<QLabel>(&w, "img(0)"));
        QVERIFY(w.isVisible());
        clickControl(child<QLabel>(&w, "img(1)"));
        QVERIFY(!w.isVisible());
        m_game->window->scaler().show(WindowSize());
        QCOMPARE(WindowScaler::factor(), 1.0);
    }

    // Over the last riddle's pictures the pointer is the icon 140, 141 or 142, where there is one.
    void pageKeysStepToTheLastRiddleAndItsPointers() {
        QImage icon(32, 32, QImage::Format_ARGB32);
        icon.fill(Qt::red);
        for (const char *name : {"140.ico", "142.ico"})
            QVERIFY(icon.save(m_dir->filePath(QStringLiteral("zagadki/") + name), "ICO"));
        FrmZAG &w = riddles();
        w.DoZagadki(12);
        QLabel *img[3] = {child<QLabel>(&w, "img(0)"), child<QLabel>(&w, "img(1)"),
                          child<QLabel>(&w, "img(2)")};
        const QPoint hand = img[0]->cursor().hotSpot();
        w.imgMouseMove(0);
        QCOMPARE(img[0]->cursor().hotSpot(), hand);
        QStringList numbers;
        for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageUp})
            numbers << (QTest::keyClick(&w, key), child<QLabel>(&w, "lbl(3)")->text());
        QCOMPARE(numbers, (QStringList{"14", "1", "14"}));
        for (int k = 0; k < 3; ++k)
            w.imgMouseMove(k);
        for (QLabel *picture : {img[0], img[2]})
            QCOMPARE(picture->cursor().pixmap().toImage().pixelColor(16, 16), QColor(Qt::red));
        QCOMPARE(img[1]->cursor().hotSpot(), hand);
    }

    // With the fifth line of the settings 1 a riddle comes before the game: the first draw, near 1,
    // picks riddle 12. The label "Загадка" asks one while the clock's seconds wait.
    void theMainWindowAsksRiddles() {
        QVERIFY(!writeFile(*m_dir, "Kestrova.ini", "0\r\n0\r\n1\r\n0\r\n1\r\n").isEmpty());
        QString number;
        onNextModal([&](QWidget *modal) {
            number = child<QLabel>(modal, "lbl(3)")->text();
            static_cast<FrmZAG *>(modal)->PauseMs = 10;
            QTest::mouseClick(child<QLabel>(modal, "img(0)"), Qt::LeftButton);
        });
        Game g(m_dir->path(), 0, {0.99999994});
        QCOMPARE(number, QStringLiteral("13"));
        QVERIFY(g.window->isVisible() && g.model.clock().running());

        // The label itself makes no sound; the window opens 67 px right of and below the main
        // window's corner.
        bool clockRan = true, silent = false;
        QPoint at;
        const auto sounds = g.sound.played.size();
        onNextModal([&](QWidget *modal) {
            clockRan = g.model.clock().running();
            silent = g.sound.played.size() == sounds;
            at = modal->pos() - g.window->frameGeometry().topLeft();
            QTest::keyClick(modal, Qt::Key(Qt::Key_1 + g.program.frmZAG().riddle().answer()));
        });
        g.press("lblZAG");
        QVERIFY(!clockRan && silent && !g.program.frmZAG().isVisible() &&
                g.model.clock().running());
        QCOMPARE(at, QPoint(67, 67));

        QVERIFY(QFile::remove(m_dir->filePath("zagadki/zagi.txt")));
        MessageCloser messages;
        g.press("lblZAG");
        QTRY_COMPARE(messages.titles, QStringList{"Ошибочка"});
        QCOMPARE(messages.said[0],
                 QStringLiteral("Нет файла\n%1\nс загадками")
                     .arg(QDir::toNativeSeparators(m_dir->filePath("zagadki/zagi.txt"))));
    }

  private:
    // A game over the riddles folder, and its riddles window with a short pause.
    FrmZAG &riddles() {
        m_game = std::make_unique<Game>(m_dir->path());
        m_game->program.frmZAG().PauseMs = 10;
        return m_game->program.frmZAG();
    }
    std::optional<QTemporaryDir> m_dir;
    std::unique_ptr<Game> m_game;
};

QTEST_MAIN(RiddlesWindowTest)
#include "test_riddles_window.moc"

// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window played with the mouse and with the keyboard: what it shows, what each control
// does, and what screen readers are told.
#include "gamedriver.h"
#include "nativeclick.h"
#include "records/kindquestion.h"
#include "ui/fittext.h"
#include "ui/focusring.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QPushButton>
#include <QRadioButton>

namespace {

QString accessibleName(QWidget *widget) {
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QStringLiteral("<none>");
}

// The last thing the game announced, as screen readers read it from its announcements label.
QString announced(Game &g) {
    return accessibleName(g.window->findChild<QLabel *>("announcements"));
}

// Walks the focus with the arrow keys from wherever it is to `card`, then presses `key` on it.
void keyOnCard(Game &g, int card, Qt::Key key = Qt::Key_Space) {
    g.card(g.window->focusedCard())->setFocus();
    for (int at = g.window->focusedCard(); at != card; at = g.window->focusedCard()) {
        const int dc = card % 6 - at % 6, dr = card / 6 - at / 6;
        QTest::keyClick(g.card(at), dc < 0   ? Qt::Key_Left
                                    : dc > 0 ? Qt::Key_Right
                                    : dr < 0 ? Qt::Key_Up
                                             : Qt::Key_Down);
    }
    QCOMPARE(g.window->focusWidget(), g.card(card));
    QTest::keyClick(g.card(card), key);
}

// Addresses the desktop was asked to open.
class Browser : public QObject {
    Q_OBJECT
  public:
    Browser() { QDesktopServices::setUrlHandler("file", this, "open"); }
    ~Browser() override { QDesktopServices::unsetUrlHandler("file"); }
    QStringList opened;
  public slots:
    void open(const QUrl &url) { opened.append(url.toString()); }
};

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { installModalWatchdog(); }
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        writeSet(m_dir->path() + "/img0", 12, "Colours");
        writeSet(m_dir->path() + "/img5", 24, "Pairs");
        QByteArray names;
        for (int n = 0; n < 12; ++n)
            names += QStringLiteral("зверь %1|animal %1\r\n").arg(n).toUtf8();
        writeFile(*m_dir, "img0/names.txt", names);
    }

    void aWholeGameWithTheMouse() {
        // (First of all, while no key has been pressed in this program.)
        Game g(m_dir->path());
        QCOMPARE(g.window->windowTitle(), QStringLiteral("Kestrova 2.5"));
        QCOMPARE(g.window->size(), QSize(641, 425));
        for (int k = 0; k < CardCount; ++k) {
            QVERIFY(g.card(k)->isVisible() && !g.card(k)->hasPicture());
            QCOMPARE(g.card(k)->pos(), QPoint(16 + 104 * (k % 6), 40 + 94 * (k / 6)));
            QVERIFY(g.model.board().CardPic[k].startsWith(m_dir->path() + "/img0/"));
        }
        QVERIFY(g.random.seedCalls() == 1 && g.time() == "Time");
        QVERIFY(g.model.clock().running() && !g.frameShown());
        // The keyboard starts on card 0, and no ring shows until the first key.
        QVERIFY(g.window->focusWidget() == g.card(0) && !focusRingShown());

        const auto layout = g.model.board().CardPic;
        const auto pairs = pairsOf(g.model.board());
        // Two cards of different pairs: the first turns face down again.
        g.click(pairs[0].first);
        g.click(pairs[1].first);
        QVERIFY(!g.card(pairs[0].first)->hasPicture() && g.card(pairs[1].first)->hasPicture());
        QTRY_COMPARE_WITH_TIMEOUT(g.time(), QStringLiteral("1"), 2500);
        for (int i = 0; i < 12; ++i) {
            g.click(pairs[i].first);
            g.click(pairs[i].second);
            QCOMPARE(g.frameShown(), i == 11);
            if (i == 9)
                QTRY_VERIFY_WITH_TIMEOUT(g.time().contains('.'), 1500);
        }
        for (int k = 0; k < CardCount; ++k)
            QVERIFY(g.card(k)->hasPicture());
        QCOMPARE(g.get<QLabel>("lblEnd(1)")->text(), g.time());
        // "Else": the same layout face down, the clock from 0.
        g.press("cmdEND(0)");
        QVERIFY(!g.frameShown() && g.model.clock().running());
        for (int k = 0; k < CardCount; ++k)
            QVERIFY(!g.card(k)->hasPicture());
        QVERIFY(g.model.board().OpenPairs == 0 && g.model.board().CardPic == layout);
        // F2 and Ctrl+N: new cards of the set on the board (not of a set only chosen), the clock
        // from 0, nothing saved; in a game and over the victory frame alike.
        g.model.choosePictureSet(5);
        g.click(0);
        QTest::keyClick(g.window, Qt::Key_F2);
        QVERIFY(g.model.board().CardPic != layout && g.model.deal().Folder.endsWith("img0/"));
        QVERIFY(!g.card(0)->hasPicture() && g.model.clock().running() && g.time() == "Time");
        QCOMPARE(announced(g), message(Msg::NewDeal, false));
        g.win();
        QTest::keySequence(g.window, QKeySequence::New);
        QVERIFY(!g.frameShown() && g.model.board().OpenPairs == 0 && g.time() == "Time");
        QVERIFY(!QFile::exists(m_dir->filePath("Kestrova.ini")));
    }

    void aGrownWindowTakesClicksWhereItShowsThem() {
        // The size kept from the last run comes back; the screen (800 x 600) takes 1.248 at most.
        const QString sizeFile = writeFile(*m_dir, "Kestrova.size", "1.2\r\n");
        writeFile(*m_dir, "Kestrova.ini", "0\r\n0\r\n1\r\n0\r\n"); // in Russian
        Game g(m_dir->path());
        QVERIFY(WindowScaler::factor() == 1.2 && g.window->size() == QSize(641, 425));
        QVERIFY(QTest::qWaitForWindowActive(g.window));
        QTest::keyClick(g.window, Qt::Key_F11);
        QTRY_COMPARE(WindowScaler::factor(), 800.0 / 641);
        QVERIFY(g.window->isFullScreen());
        clickDesign(g.window, QPoint(373, 80));
        QVERIFY(g.card(3)->hasPicture() && !g.card(2)->hasPicture());
        clickDesign(g.window, QPoint(269, 19));
        clickDesign(g.window, QPoint(230, 200)); // the help box takes the click, not card 7
        QVERIFY(g.get("txtHELP")->isVisible() && !g.card(7)->hasPicture());

        // The options window and a message come at the same factor.
        bool chosen = false;
        onNextModal([&chosen](QWidget *options) {
            QRadioButton *set = options->findChild<QRadioButton *>("optP(3)");
            clickControl(set, QPoint(8, set->height() / 2)); // its round button
            chosen = set->isChecked();
            options->close();
        });
        clickDesign(g.window, QPoint(373, 19));
        QVERIFY(chosen);
        bool closed = false;
        onNextModal([&closed](QWidget *box) {
            clickControl(box->findChild<QPushButton *>());
            closed = box->isHidden();
        });
        clickDesign(g.window, QPoint(269, 19));
        clickDesign(g.window, QPoint(373, 413));
        QVERIFY(closed);

        // Escape gives the window back before it means anything else; the size is kept at the end.
        g.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(g.window));
        QTest::keyClick(g.window, Qt::Key_Escape);
        QTRY_VERIFY(!g.window->isFullScreen());
        QTest::keyClick(g.window, Qt::Key_F11);
        QTRY_VERIFY(g.window->isFullScreen());
        g.window->close();
        QCOMPARE(readWindowSize(sizeFile).mode, WindowSize::FullScreen);
    }

    void doubleClickOnACardIsOneClick() {
        // In a number-pair set a second click on the same card would turn it face down.
        Game g(m_dir->path(), 5);
        QVERIFY(g.model.board().NumberPairMode);
        QTest::mouseClick(g.card(7), Qt::LeftButton);
        QTest::mouseDClick(g.card(7), Qt::LeftButton);
        QTest::mouseRelease(g.card(7), Qt::LeftButton);
        QVERIFY(g.card(7)->hasPicture() && g.sound.played.size() == 1);
    }

    void eachControlCallsTheGameInItsLanguage() {
        Game g(m_dir->path());
        Browser browser;
        const auto captions = [&] {
            QStringList texts;
            for (const char *name : {"cmdTOP(0)", "cmdTOP(3)", "cmdEND(2)", "lblEnd(3)", "lblSND"})
                texts << g.get(name)->property("text").toString();
            return texts;
        };
        QCOMPARE(captions(),
                 (QStringList{"Clear", "Records", "To records",
                              "       boy?              girl?               ?", "Sound"}));
        QVERIFY(!g.get("lblZAG")->isVisible());
        g.press("lblWeb(1)");
        g.press("lblWeb(3)");
        g.press("lblLOC(0)");
        QCOMPARE(captions(),
                 (QStringList{"Очистить", "Рекорды", "В рекорды",
                              "Ты:       мальчик,       девочка,       друг?", "Звук"}));
        QVERIFY(g.get("lblZAG")->isVisible());
        QCOMPARE(accessibleName(g.get("lblLOC(1)")), QStringLiteral("Английский язык"));
        g.press("lblWeb(3)");
        const QString page = QUrl::fromLocalFile(m_dir->path() + "/web/index-").toString();
        QCOMPARE(browser.opened,
                 (QStringList{page + "e.htm#gallery", page + "e.htm", page + "r.htm"}));
        g.press("lblSND");
        QVERIFY(g.get<QLabel>("lblSND")->text() == "Snd on" && !g.model.choices().sound);
        g.click(3);
        QCOMPARE(g.sound.played.last(), g.file("No"));
        // A settings value that is neither 0 nor 1 changes no caption, nor the texts to come; the
        // links open the Russian pages.
        g.model.SetLanguage(Language::fromSetting(0.4f));
        QCOMPARE(captions()[0], QStringLiteral("Очистить"));
        g.press("lblWeb(1)");
        QCOMPARE(browser.opened.last(), page + "r.htm#gallery");
        auto *help = g.get<QPushButton>("cmdTOP(2)");
        g.press("cmdTOP(2)");
        QVERIFY(g.get("txtHELP")->isVisible() && help->text() == "Закр. пом.");
        g.press("cmdTOP(2)");
        QVERIFY(!g.get("txtHELP")->isVisible() && help->text() == "Помощь");
        g.press("cmdTOP(0)");
        QVERIFY(!g.card(3)->hasPicture());
        // The options window, built now, speaks the language chosen before.
        QCOMPARE(g.program.form2().windowTitle(), QStringLiteral("Настройки"));
    }

    void victoryFrameAsDesigned_data() {
        QTest::addColumn<QString>("headline");
        QTest::newRow("0") << "ПОБЕДА!   У тебя 1-е место!"; // Russian
        QTest::newRow("1") << "VICTORY!   You is First!";
    }
    void victoryFrameAsDesigned() {
        writeFile(*m_dir, "Kestrova.ini",
                  QByteArray("0\r\n0\r\n1\r\n") + QTest::currentDataTag() + "\r\n0\r\n");
        Game g(m_dir->path());
        g.win();
        QTEST(g.get<QLabel>("lblEnd(0)")->text(), "headline");
        QWidget *frame = g.get("Frame2");
        // The kind buttons where the frame was designed; each kind word begins right after its
        // button, and no button covers a letter.
        QRadioButton *kinds[3];
        for (int i = 0; i < 3; ++i) {
            kinds[i] = g.get<QRadioButton>(QStringLiteral("optKartinka(%1)").arg(i));
            QCOMPARE(frame->childAt(QList<int>{35, 100, 166}[i], 123), kinds[i]);
            QVERIFY(kinds[i]->isEnabled() && !kinds[i]->isChecked());
        }
        const auto *question = g.get<KindQuestion>("lblEnd(3)");
        QVERIFY(question->wordFont().pixelSize() >= 8);
        const QVector<QRect> words = question->wordBoxes();
        for (int i = 0; i < words.size(); ++i) {
            const QRect word = words[i].translated(question->pos());
            QVERIFY(word.right() < frame->width());
            for (QRadioButton *kind : kinds)
                QVERIFY(!word.intersects(kind->geometry()));
            const int kind = i - (int(words.size()) - 3);
            if (kind >= 0)
                QVERIFY(qAbs(word.left() - kinds[kind]->geometry().right()) <= 4);
        }
        // Each headline fits its label, no line cut.
        auto *headline = g.get<QLabel>("lblEnd(0)");
        for (Msg id : {Msg::MsgFirstPlace, Msg::MsgTopTen, Msg::MsgNoRecord}) {
            headline->setText(g.model.text(id));
            fitFontToBox(headline, 18, 9);
            QVERIFY(headline->heightForWidth(177) <= 49 && headline->font().pixelSize() >= 12);
        }
    }

    void buttonFacesShowTheBackColour() {
        // The cards' colour on the faces, flat, whatever the widget style draws.
        Game g(m_dir->path());
        for (int n : {3, 6}) {
            g.model.chooseBackground(n);
            g.model.applyBackground();
            const QImage face = g.get("cmdTOP(0)")->grab().toImage();
            for (const QPoint &at : {QPoint(4, 4), QPoint(85, 20), QPoint(45, 5)})
                QCOMPARE(face.pixelColor(at), g.card(1)->backColor());
        }
        QCOMPARE(g.card(0)->backColor(), QColor(188, 188, 174));
    }

    void theWholeGameFromTheKeyboard() {
        Game g(m_dir->path());
        g.window->show();
        QApplication::setActiveWindow(g.window);
        QVERIFY(QTest::qWaitForWindowActive(g.window));
        // At the edge of the board the focus stays; the ring shows around the focused card.
        const struct {
            int key, to;
        } moves[] = {{Qt::Key_Left, 0},  {Qt::Key_Up, 0},    {Qt::Key_Right, 1}, {Qt::Key_Down, 7},
                     {Qt::Key_Down, 13}, {Qt::Key_Down, 19}, {Qt::Key_Down, 19}};
        for (const auto &move : moves) {
            QTest::keyClick(g.window->focusWidget(), static_cast<Qt::Key>(move.key));
            QVERIFY(g.window->focusedCard() == move.to &&
                    g.window->focusWidget() == g.card(move.to));
        }
        QTest::qWait(20);
        auto *ring = g.window->findChild<QWidget *>("focusRing");
        QVERIFY(ring && ring->isVisible() && focusRingShown());
        QCOMPARE(ring->geometry(), g.card(19)->geometry().adjusted(-2, -2, 2, 2));

        // A mismatch and a pair with Space and Enter.
        const auto pairs = pairsOf(g.model.board());
        keyOnCard(g, pairs[0].first);
        QCOMPARE(accessibleName(g.card(pairs[0].first)),
                 QStringLiteral("card %1, animal %2, face up")
                     .arg(pairs[0].first + 1)
                     .arg(Board::pictureNumber(g.model.board().CardPic[pairs[0].first])));
        keyOnCard(g, pairs[1].first, Qt::Key_Return);
        QCOMPARE(announced(g), QStringLiteral("Not a pair."));
        QCOMPARE(accessibleName(g.card(pairs[0].first)),
                 QStringLiteral("card %1, face down").arg(pairs[0].first + 1));
        keyOnCard(g, pairs[0].second);
        keyOnCard(g, pairs[0].first, Qt::Key_Enter);
        QVERIFY(announced(g).startsWith("A pair: animal "));
        QCOMPARE(g.sound.played.size(), 5);
        for (const auto &pair : pairs.mid(1)) {
            keyOnCard(g, pair.first);
            keyOnCard(g, pair.second);
        }
        QCOMPARE(announced(g), QStringLiteral("Victory! Your time: %1 seconds. It is a record: "
                                              "type your name and press Enter.")
                                   .arg(g.time()));
        QCOMPARE(g.window->focusWidget(), g.get("txtRec"));
        QTest::keyClicks(g.get("txtRec"), "Kit");
        QTest::keyClick(g.get("txtRec"), Qt::Key_Return);
        QVERIFY(!g.frameShown() &&
                readBytes(m_dir->filePath("record.txt")).contains("~Kit~Colours~"));
        QCOMPARE(g.window->focusWidget(), g.card(g.window->focusedCard()));

        // A click hides the ring. Only the focused card is a Tab stop: Tab goes from the board to
        // the command bar from left to right, the links and the toggles.
        g.click(5);
        QVERIFY(!ring->isVisible() && !focusRingShown());
        QWidget *const first = g.card(g.window->focusedCard());
        QStringList names;
        QWidget *at = first;
        do {
            if ((at->focusPolicy() & Qt::TabFocus) && at->isVisibleTo(g.window))
                names << at->objectName();
            at = at->nextInFocusChain();
        } while (at != first && names.size() < 40);
        QCOMPARE(names, (QStringList{first->objectName(), "cmdTOP(3)", "cmdTOP(2)", "cmdTOP(1)",
                                     "cmdTOP(0)", "lblWeb(1)", "lblWeb(3)", "lblSND", "lblLOC(0)",
                                     "lblLOC(1)"}));
        // Space on a label does what a click does.
        QTest::keyClick(g.get("lblLOC(0)"), Qt::Key_Return);
        QVERIFY(g.model.language().russian());
    }

  private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_MAIN(TestForm1)
#include "test_form1.moc"

// Playing with the keyboard alone, and what screen readers are told about the board.
#include "game/boardaccess.h"
#include "gamedriver.h"
#include "i18n/setlanguage.h"
#include "modal.h"
#include "records/recordsview.h"
#include "riddles/frmzag.h"
#include "testfiles.h"
#include "ui/clicklabel.h"
#include "ui/focusring.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

namespace {

QWidget *focused(Game &g) {
    return g.window->focusWidget();
}

// Walks the focus with the arrow keys from wherever it is to `card`, then presses `key` on it.
void keyOnCard(Game &g, int card, int key = Qt::Key_Space) {
    for (int guard = 0; guard < 12; ++guard) {
        const int at = g.window->access().focusedCard();
        if (at == card)
            break;
        const int dc = card % 6 - at % 6, dr = card / 6 - at / 6;
        const int arrow = dc < 0   ? Qt::Key_Left
                          : dc > 0 ? Qt::Key_Right
                          : dr < 0 ? Qt::Key_Up
                                   : Qt::Key_Down;
        QTest::keyClick(g.window->Foto[at], static_cast<Qt::Key>(arrow));
    }
    QCOMPARE(focused(g), static_cast<QWidget *>(g.window->Foto[card]));
    QTest::keyClick(g.window->Foto[card], static_cast<Qt::Key>(key));
}

QString accessibleName(QWidget *widget) {
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QStringLiteral("<none>");
}

// The last thing the game announced, as screen readers read it from its announcements label.
QString announced(Game &g) {
    return accessibleName(g.window->findChild<QLabel *>("announcements"));
}

// Names "animal 0" .. "animal 11" in English, "зверь 0" .. in Russian.
void writeNames(const QString &set) {
    QByteArray names;
    for (int n = 0; n < 12; ++n)
        names += QStringLiteral("зверь %1|animal %1\r\n").arg(n).toUtf8();
    QFile file(set + "/names.txt");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(names);
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        writeSet(m_dir->path() + "/img0", 12, "Colours");
        writeNames(m_dir->path() + "/img0");
    }

    void arrowsMoveTheFocusAndStayOnTheBoard() {
        // (First of all, while no key has been pressed in this program.)
        Game g(m_dir->path());
        QCOMPARE(focused(g), static_cast<QWidget *>(g.window->Foto[0]));
        // Until the first key no ring shows: a mouse player sees the board as designed.
        QVERIFY(!focusRingShown());
        // Only the focused card is a Tab stop.
        QCOMPARE(g.window->Foto[0]->focusPolicy(), Qt::TabFocus);
        QCOMPARE(g.window->Foto[1]->focusPolicy(), Qt::NoFocus);
        const struct {
            int from, key, to;
        } moves[] = {{0, Qt::Key_Left, 0},   {0, Qt::Key_Up, 0},     {0, Qt::Key_Right, 1},
                     {1, Qt::Key_Down, 7},   {5, Qt::Key_Right, 5},  {18, Qt::Key_Down, 18},
                     {23, Qt::Key_Down, 23}, {23, Qt::Key_Left, 22}, {6, Qt::Key_Left, 6}};
        for (const auto &move : moves) {
            g.window->access().focusCard(move.from, true);
            QTest::keyClick(g.window->Foto[move.from], static_cast<Qt::Key>(move.key));
            QCOMPARE(g.window->access().focusedCard(), move.to);
            QCOMPARE(focused(g), static_cast<QWidget *>(g.window->Foto[move.to]));
            QCOMPARE(g.window->Foto[move.to]->focusPolicy(), Qt::TabFocus);
        }
    }

    void focusRingFollowsTheKeyboardAndHidesForTheMouse() {
        Game g(m_dir->path());
        Form1 &w = *g.window;
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(w.Foto[0], Qt::Key_Right);
        QTest::qWait(20);
        auto *ring = w.findChild<QWidget *>("focusRing");
        QVERIFY(ring && ring->isVisible() && focusRingShown());
        QCOMPARE(ring->geometry(), w.Foto[1]->geometry().adjusted(-2, -2, 2, 2));
        QTest::mouseClick(w.Foto[5], Qt::LeftButton);
        QVERIFY(!ring->isVisible() && !focusRingShown());
        QTest::keyClick(w.Foto[1], Qt::Key_Down);
        QTest::qWait(20);
        QVERIFY(ring->isVisible());
        QCOMPARE(ring->geometry(), w.Foto[7]->geometry().adjusted(-2, -2, 2, 2));
    }

    void spaceAndEnterTurnACardAsAClickDoes() {
        Game byMouse(m_dir->path());
        Game byKeys(m_dir->path());
        const auto pairs = byMouse.pairs();
        QCOMPARE(byKeys.pairs(), pairs);
        // A mismatch, then a pair, with Space and with Enter.
        const int a = pairs[0].first, b = pairs[0].second, c = pairs[1].first;
        for (int card : {a, c, b, a}) {
            byMouse.click(card);
        }
        keyOnCard(byKeys, a);
        keyOnCard(byKeys, c, Qt::Key_Return);
        keyOnCard(byKeys, b);
        keyOnCard(byKeys, a, Qt::Key_Enter);
        QCOMPARE(byKeys.window->board.FaceUp, byMouse.window->board.FaceUp);
        QCOMPARE(byKeys.window->board.CardOpen, byMouse.window->board.CardOpen);
        QCOMPARE(byKeys.sound.played, byMouse.sound.played);
    }

    void wholeGameAndRecordFromTheKeyboard() {
        Game g(m_dir->path());
        for (const auto &pair : g.pairs()) {
            keyOnCard(g, pair.first);
            keyOnCard(g, pair.second);
        }
        QVERIFY(g.window->Frame2->isVisible());
        QCOMPARE(announced(g),
                 QStringLiteral("Victory! Your time: %1 seconds. It is a record: type your name "
                                "and press Enter.")
                     .arg(g.window->lblEnd[1]->text()));
        QCOMPARE(focused(g), static_cast<QWidget *>(g.window->txtRec));
        QTest::keyClicks(g.window->txtRec, "Kit");
        QTest::keyClick(g.window->txtRec, Qt::Key_Return);
        QVERIFY(!g.window->Frame2->isVisible());
        QVERIFY(readBytes(m_dir->filePath("record.txt")).contains("~Kit~Colours~"));
        // The keyboard is back on the board.
        QCOMPARE(focused(g),
                 static_cast<QWidget *>(g.window->Foto[g.window->access().focusedCard()]));

        // No record this time (ten better results): Enter plays again.
        QByteArray full;
        for (int i = 0; i < 10; ++i)
            full += "0~Fast~Colours~4~1.1.26" + QByteArray(i == 9 ? "~^" : "") + "\r\n";
        writeFile(*m_dir, "record.txt", full);
        QTest::keyClick(g.window->cmdTOP[0], Qt::Key_Space); // "Clear"
        g.window->lblTime->setText("5");
        for (const auto &pair : g.pairs()) {
            keyOnCard(g, pair.first);
            keyOnCard(g, pair.second);
        }
        QVERIFY(g.window->Frame2->isVisible() && !g.window->txtRec->isEnabled());
        QCOMPARE(focused(g), static_cast<QWidget *>(g.window->cmdEND[0]));
        QTest::keyClick(g.window->cmdEND[0], Qt::Key_Return);
        QVERIFY(!g.window->Frame2->isVisible());
        QCOMPARE(g.window->board.OpenPairs, qint16(0));
    }

    void tabReachesTheControlsInOrder() {
        Game g(m_dir->path());
        Form1 &w = *g.window;
        QList<QWidget *> stops;
        QWidget *at = w.Foto[0];
        do {
            if ((at->focusPolicy() & Qt::TabFocus) && at->isVisibleTo(&w))
                stops.append(at);
            at = at->nextInFocusChain();
        } while (at != w.Foto[0] && stops.size() < 40);
        // English: the riddle link is hidden.
        const QList<QWidget *> expected = {w.Foto[0],   w.cmdTOP[3], w.cmdTOP[2], w.cmdTOP[1],
                                           w.cmdTOP[0], w.lblWeb[1], w.lblWeb[3], w.lblSND,
                                           w.lblLOC[0], w.lblLOC[1]};
        QCOMPARE(stops, expected);

        // Space on a label does what a click does.
        const QString sound = w.lblSND->text();
        QTest::keyClick(w.lblSND, Qt::Key_Space);
        QVERIFY(w.lblSND->text() != sound);
        QTest::keyClick(w.lblLOC[0], Qt::Key_Return);
        QCOMPARE(g.state.Language, 0.0f);
    }

    void optionsTabOrderGoesDownEachColumn() {
        Game g(m_dir->path());
        Form2 &o = g.program.form2();
        QList<QWidget *> stops;
        QWidget *at = o.optFon[0];
        do {
            const auto *radio = qobject_cast<QRadioButton *>(at);
            if ((at->focusPolicy() & Qt::TabFocus) && at->isEnabled() &&
                (!radio || radio->isChecked()))
                stops.append(at);
            at = at->nextInFocusChain();
        } while (at != o.optFon[0] && stops.size() < 40);
        // English: the riddle switch is disabled.
        const QList<QWidget *> expected = {o.optFon[0], o.cmdNAS[0], o.optP[0],   o.cmdNAS[1],
                                           o.chkS,      o.chkR,      o.lblLOC[0], o.lblLOC[1],
                                           o.cmdNAS[3], o.cmdNAS[2]};
        QCOMPARE(stops, expected);
    }

    void cardNamesFollowStateAndLanguage() {
        Game g(m_dir->path());
        Form1 &w = *g.window;
        const auto pairs = g.pairs();
        const int a = pairs[0].first, b = pairs[0].second, c = pairs[1].first;
        const int number = Board::pictureNumber(w.board.CardPic[a]);
        const QString animal = QStringLiteral("animal %1").arg(number);
        QCOMPARE(accessibleName(w.Foto[a]), QStringLiteral("card %1, face down").arg(a + 1));
        QAccessibleInterface *card = QAccessible::queryAccessibleInterface(w.Foto[a]);
        QCOMPARE(card->role(), QAccessible::Button);
        // Pressing through the accessibility interface turns the card.
        card->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(accessibleName(w.Foto[a]),
                 QStringLiteral("card %1, %2, face up").arg(a + 1).arg(animal));
        g.click(c);
        QCOMPARE(announced(g), QStringLiteral("Not a pair."));
        QCOMPARE(accessibleName(w.Foto[a]), QStringLiteral("card %1, face down").arg(a + 1));
        g.click(a);
        g.click(b);
        QCOMPARE(announced(g), QStringLiteral("A pair: %1!").arg(animal));
        QCOMPARE(accessibleName(w.Foto[b]),
                 QStringLiteral("card %1, %2, found").arg(b + 1).arg(animal));

        SetLanguage(g.program, 0);
        QCOMPARE(accessibleName(w.Foto[b]),
                 QStringLiteral("карточка %1, зверь %2, найдена").arg(b + 1).arg(number));
        QCOMPARE(accessibleName(w.Foto[c]), QStringLiteral("карточка %1, закрыта").arg(c + 1));
        QCOMPARE(accessibleName(w.txtRec), QStringLiteral("Твоё имя"));
        QCOMPARE(accessibleName(w.optKartinka[1]), QStringLiteral("девочка"));
        QCOMPARE(accessibleName(w.lblLOC[1]), QStringLiteral("Английский язык"));
        QCOMPARE(accessibleName(g.program.form2().optFon[2]), QStringLiteral("фон 3"));
        SetLanguage(g.program, 1);
        QCOMPARE(accessibleName(w.lvRecord), QStringLiteral("Hall of fame"));
        QCOMPARE(accessibleName(w.lblSND), w.lblSND->text());

        // A set without names.txt still says where each card is and what it is doing.
        QFile::remove(m_dir->filePath("img0/names.txt"));
        Game plain(m_dir->path());
        plain.click(0);
        QCOMPARE(accessibleName(plain.window->Foto[0]), QStringLiteral("card 1, face up"));
    }

    void recordsViewSortsByTheKeyboardsColumn() {
        writeFile(*m_dir, "record.txt",
                  "5~bob~Toys~4~3.1.26\r\n42~Ann~Food~5~1.1.26\r\n123~Cid~Sea~7~2.1.26~^\r\n");
        Game g(m_dir->path());
        g.window->cmdTOP[3]->click();
        RecordsView *view = g.window->lvRecord;
        view->setCurrentIndex(view->model()->index(0, RecordsView::Gamer));
        QTest::keyClick(view, Qt::Key_S);
        QCOMPARE(view->topLevelItem(0)->text(RecordsView::Gamer), QStringLiteral("Ann"));
        // Right twice: Place, then Time; Enter sorts by time again.
        QTest::keyClick(view, Qt::Key_Right);
        QTest::keyClick(view, Qt::Key_Right);
        QCOMPARE(view->currentIndex().column(), int(RecordsView::Time));
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(view->topLevelItem(0)->text(RecordsView::Gamer), QStringLiteral("bob"));
        QCOMPARE(view->header()->sortIndicatorSection(), int(RecordsView::Time));
    }

    void riddleKeys() {
        QVERIFY(QDir().mkpath(m_dir->filePath("zagadki")));
        QByteArray riddles;
        for (int n = 0; n < 14; ++n)
            riddles += QStringLiteral("Riddle %1\r\n***").arg(n).toUtf8();
        writeFile(*m_dir, "zagadki/zagi.txt", riddles);
        Game g(m_dir->path());
        FrmZAG &window = g.program.frmZAG();
        window.DoZagadki(4);
        window.show();
        QTest::keyClick(&window, Qt::Key_PageDown);
        QCOMPARE(window.lbl[3]->text(), QStringLiteral("6"));
        QTest::keyClick(&window, Qt::Key_PageUp);
        QTest::keyClick(&window, Qt::Key_PageUp);
        QCOMPARE(window.lbl[3]->text(), QStringLiteral("4"));
        // Riddle 3: the right picture is 3 mod 3 = 0, the key 1.
        QTest::keyClick(&window, Qt::Key_2);
        QVERIFY(window.isVisible());
        QCOMPARE(g.sound.played.last(), g.file("click1"));
        QTest::keyClick(&window, Qt::Key_1);
        QVERIFY(!window.isVisible());
        QCOMPARE(g.sound.played.last(), g.file("click2"));
    }

  private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"

// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The won game and the hall of fame: the rules on a game model without windows, then what the
// main window shows of them.
#include "gamedriver.h"
#include "records/recordsview.h"

#include <QHeaderView>
#include <QPushButton>

namespace {

// Wins the board on the model after `seconds` steps of the clock.
void win(GameModel &model, int seconds) {
    for (int s = 0; s < seconds; ++s)
        model.clock().secondsStep();
    for (const auto &pair : pairsOf(model.board())) {
        model.clickCard(pair.first);
        model.clickCard(pair.second);
    }
    model.victory();
}

QStringList column(const QTreeWidget *view, int c) {
    QStringList cells;
    for (int i = 0; i < view->topLevelItemCount(); ++i)
        cells.append(view->topLevelItem(i)->text(c));
    return cells;
}

// The won game's rank, with its headline, the words under the time and its fanfare.
void judged(const Model &m, RecordRank rank, const QString &fanfare) {
    QCOMPARE(m.model.rank(), rank);
    const Msg headlines[] = {Msg::MsgFirstPlace, Msg::MsgTopTen, Msg::MsgNoRecord};
    QCOMPARE(m.model.victoryHeadline(), message(headlines[int(rank)], false));
    QCOMPARE(m.model.victoryPrompt(), m.model.recordOffered() ? "Record: " : "seconds");
    QCOMPARE(m.sound.played.last(), m.model.appFolder() + "/sounds/" + fanfare + ".wav");
}

} // namespace

class TestRecordsWindow : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { installModalWatchdog(); }
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        writeSet(m_dir->path() + "/img0", 12, "Colours");
        m_path = m_dir->filePath("record.txt");
    }

    void wonGamesOnTheModel() {
        writeSet(m_dir->path() + "/img1", 12, "Letters");
        Model m(m_dir->path());
        m.model.ChooseIni();
        m.model.ChangePicSet();
        m.model.choosePictureSet(1); // the record still names the set on the board
        win(m.model, 0);
        judged(m, RecordRank::FirstPlace, "victory1");
        QCOMPARE(m.model.enterRecord(""), QString());
        m.model.playAgain();
        win(m.model, 12);
        judged(m, RecordRank::TopTen, "victory10");
        m.model.choosePlayerKind(1);
        QCOMPARE(m.model.enterRecord("a~b"), QString());
        const QString today = recordDate(QDate::currentDate());
        QCOMPARE(readBytes(m_path), QString("0~Unknown~Colours~6~%1\r\n999~Unknown~Test~6~%2~^\r\n"
                                            "12~a-b~Colours~5~%1\r\n")
                                        .arg(today, recordDate(QDate::currentDate().addDays(-30)))
                                        .toUtf8());
    }

    // A table the game cannot rewrite: no record, the fanfare of no place, and the player hears
    // why once a game, over the frame; the table stays as it was.
    void victoryFrameWithoutRecord() {
        const QByteArray refused = "9~x~S~4~d~^\r\n\r\n12~only~three\r\n";
        writeFile(*m_dir, "record.txt", refused);
        Game g(m_dir->path());
        MessageCloser messages;
        g.win();
        g.click(0); // the victory again
        QCOMPARE(g.get<QLabel>("lblEnd(0)")->text(), message(Msg::MsgNoRecord, false));
        QCOMPARE(g.get<QLabel>("lblEnd(2)")->text(), QString("seconds"));
        QCOMPARE(g.sound.played.last(), g.file("victory"));
        for (const char *recordOnly :
             {"txtRec", "cmdEND(2)", "optKartinka(0)", "optKartinka(1)", "optKartinka(2)"})
            QVERIFY(!g.get(recordOnly)->isEnabled());
        const QString why =
            message(Msg::NotResults, false).arg(QDir::toNativeSeparators(m_path)).arg(3);
        QVERIFY(messages.said == QStringList{why} && g.frameShown());
        // Without a record Enter plays again; the next game is told again.
        QCOMPARE(g.window->focusWidget(), g.get("cmdEND(0)"));
        QTest::keyClick(g.get("cmdEND(0)"), Qt::Key_Return);
        QVERIFY(!g.frameShown() && g.model.board().OpenPairs == 0);
        g.win();
        QVERIFY(messages.said == (QStringList{why, why}) && readBytes(m_path) == refused);
    }

    void recordsView() {
        writeFile(
            *m_dir, "record.txt",
            QString("123~Жора~S~7~d~^\r\n5~ёжик~S~4~d\r\n\r\n42~Егор~S~9~d\r\n7~Bob~S~5~d\r\n")
                .toUtf8());
        Game g(m_dir->path());
        auto *button = g.get<QPushButton>("cmdTOP(3)");
        g.press("cmdTOP(3)");
        auto *view = g.get<RecordsView>("lvRecord");
        QVERIFY(view->isVisible() && button->text() == "Close rec.");
        QCOMPARE(column(view, RecordsView::Time), (QStringList{"  5", "  7", " 42", "123"}));
        QCOMPARE(column(view, RecordsView::Place), (QStringList{"1", "2", "3", "4"}));
        QCOMPARE(view->topLevelItem(0)->icon(0).pixmap(16).toImage(),
                 RecordsView::imageListIcon(4).pixmap(16).toImage());
        QVERIFY(view->topLevelItem(2)->icon(0).isNull());
        // Sorted by name, in the interface language's order; the places keep their numbers.
        QHeaderView *header = view->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(RecordsView::Gamer) + 5, 5));
        QCOMPARE(column(view, RecordsView::Gamer), (QStringList{"Bob", "Егор", "ёжик", "Жора"}));
        QCOMPARE(column(view, RecordsView::Place), (QStringList{"2", "3", "1", "4"}));
        g.press("cmdTOP(3)");
        QVERIFY(!view->isVisible() && button->text() == "Records");
        g.model.SetLanguage(Language(Lang::Russian));
        g.press("cmdTOP(3)");
        QCOMPARE(column(view, RecordsView::Gamer), (QStringList{"Егор", "ёжик", "Жора", "Bob"}));
        // The keyboard: right over the columns to the time, S sorts by it.
        view->setCurrentIndex(view->model()->index(0, RecordsView::Gamer));
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_S})
            QTest::keyClick(view, key);
        QCOMPARE(column(view, RecordsView::Gamer), (QStringList{"ёжик", "Bob", "Егор", "Жора"}));
    }

  private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

QTEST_MAIN(TestRecordsWindow)
#include "test_records_window.moc"

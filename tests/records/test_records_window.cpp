// The hall of fame played through the main window: the victory frame, storing a record, the
// command bar, the records view and the help box.
#include "gamedriver.h"
#include "i18n/languagetexts.h"
#include "i18n/setlanguage.h"
#include "modal.h"
#include "records/recordfile.h"
#include "records/recordsview.h"
#include "testfiles.h"

#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

namespace {

QStringList column(const QTreeWidget *view, int c) {
    QStringList cells;
    for (int i = 0; i < view->topLevelItemCount(); ++i)
        cells.append(view->topLevelItem(i)->text(c));
    return cells;
}

void clickHeader(QTreeWidget *view, int section) {
    QHeaderView *header = view->header();
    const QPoint at(header->sectionViewportPosition(section) + 5, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

// Types the text as key presses, one character at a time (any script).
void typeText(QWidget *widget, const QString &text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

QImage picture(const QIcon &icon) {
    return icon.pixmap(16).toImage().convertToFormat(QImage::Format_ARGB32);
}

// Opens all pairs but the last, sets the clock's text, and opens the last pair.
void winIn(Game &g, const QString &time) {
    const auto pairs = g.pairs();
    for (int i = 0; i < pairs.size(); ++i) {
        if (i == pairs.size() - 1)
            g.window->lblTime->setText(time);
        g.click(pairs[i].first);
        g.click(pairs[i].second);
    }
}

const QString Today = recordDate(QDate::currentDate());

} // namespace

class TestRecordsWindow : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        writeSet(m_dir->path() + "/img0", 12, "Colours");
        m_record = m_dir->filePath("record.txt");
    }

    void firstPlaceStoredWithEnter() {
        Game g(m_dir->path());
        Form1 &w = *g.window;
        winIn(g, "57");
        QCOMPARE(w.lblEnd[0]->text(), QStringLiteral("VICTORY!   You is First!"));
        QCOMPARE(w.lblEnd[1]->text(), QStringLiteral("57"));
        QCOMPARE(w.lblEnd[2]->text(), QStringLiteral("Record: "));
        QCOMPARE(g.sound.played.last(), g.file("victory1"));
        QVERIFY(w.txtRec->isEnabled() && w.cmdEND[2]->isEnabled() && w.optKartinka[2]->isEnabled());

        // Enter does nothing until a name is typed.
        QTest::keyClick(w.txtRec, Qt::Key_Return);
        QVERIFY(w.Frame2->isVisible());
        QTest::mouseClick(w.optKartinka[1], Qt::LeftButton, {}, QPoint(7, 7));
        typeText(w.txtRec, QStringLiteral("Ма~ша ~ the longest name"));
        QCOMPARE(w.txtRec->text(), QStringLiteral("Ма~ша ~ the lon"));
        QVERIFY(w.cmdEND[2]->isDefault() && w.cmdEND[2]->font().bold());
        QTest::keyClick(w.txtRec, Qt::Key_Return);

        QVERIFY(!w.Frame2->isVisible());
        QVERIFY(!w.cmdEND[2]->isDefault() && !w.cmdEND[2]->font().bold());
        QVERIFY(w.txtRec->text().isEmpty());
        QCOMPARE(g.state.PlayerName, QStringLiteral("Ма-ша - the lon"));
        QVERIFY(w.Timer1->isActive() && !w.Timer2->isActive());
        QCOMPARE(w.board.OpenPairs, qint16(0));
        const QString placeholder = recordDate(QDate::currentDate().addDays(-30));
        QCOMPARE(readBytes(m_record),
                 QString("999~Unknown~Test~6~%1~^\r\n57~Ма-ша - the lon~Colours~5~%2\r\n")
                     .arg(placeholder, Today)
                     .toUtf8());
    }

    void gameWonBeforeTheFirstTick() {
        // The record names the set on the board, not one chosen since in the options.
        writeSet(m_dir->path() + "/img1", 12, "Letters");
        Game g(m_dir->path());
        g.program.form2().optP[1]->setChecked(true);
        g.program.form2().cmdNAS_Click(2);
        QCOMPARE(g.window->lblTime->text(), QStringLiteral("Time"));
        g.win();
        QCOMPARE(g.window->lblEnd[1]->text(), QStringLiteral("0"));
        QTest::mouseClick(g.window->cmdEND[2], Qt::LeftButton);
        QVERIFY(readBytes(m_record).endsWith(
            QString("~^\r\n0~Unknown~Colours~6~%1\r\n").arg(Today).toUtf8()));
    }

    void topTenAndNoRecord() {
        const QByteArray full = "11~a~S~4~d\r\n12~b~S~4~d\r\n13~c~S~4~d\r\n14~d~S~4~d\r\n"
                                "50~e~S~4~d~^\r\n15~f~S~4~d\r\n16~g~S~4~d\r\n17~h~S~4~d\r\n"
                                "18~i~S~4~d\r\n19~j~S~4~d\r\n";
        writeFile(*m_dir, "record.txt", full);
        Game g(m_dir->path());
        Form1 &w = *g.window;
        applyLanguageTexts(g.state, Lang::Russian);

        winIn(g, "50");
        QCOMPARE(w.lblEnd[0]->text(), QStringLiteral("ПОБЕДА!   На неё ты затратил"));
        QCOMPARE(w.lblEnd[2]->text(), QStringLiteral("seconds"));
        QCOMPARE(g.sound.played.last(), g.file("victory"));
        QVERIFY(!w.txtRec->isEnabled() && !w.cmdEND[2]->isEnabled());
        for (QRadioButton *kind : w.optKartinka)
            QVERIFY(!kind->isEnabled());

        QTest::mouseClick(w.cmdEND[0], Qt::LeftButton);
        winIn(g, "49,5");
        QCOMPARE(w.lblEnd[0]->text(), QStringLiteral("ПОБЕДА! Ты в десятке лучших."));
        QCOMPARE(w.lblEnd[2]->text(), QStringLiteral("Запишись: "));
        QCOMPARE(g.sound.played.last(), g.file("victory10"));
        // No name and no kind: the language's unknown name and the crystal ball.
        QTest::mouseClick(w.cmdEND[2], Qt::LeftButton);
        QCOMPARE(g.state.PlayerName, QStringLiteral("Неизвестный"));
        QByteArray expected = full;
        expected.replace("50~e~S~4~d~^\r\n", "");
        expected.replace("19~j~S~4~d\r\n",
                         "19~j~S~4~d\r\n" +
                             QString("49,5~Неизвестный~Colours~6~%1~^\r\n").arg(Today).toUtf8());
        QCOMPARE(readBytes(m_record), expected);
    }

    void tablesTheGameDidNotWrite_data() {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QString>("told"); // "" when the game is a record and stored
        QByteArray eleven;
        for (int i = 1; i <= 11; ++i)
            eleven += QByteArray::number(i) + (i == 11 ? "~x~S~4~d~^\r\n" : "~x~S~4~d\r\n");
        QTest::newRow("eleven results")
            << eleven
            << "В файле рекордов больше 10 результатов: запись производиться не будет. Исправьте "
               "файл.";
        QTest::newRow("not a result") << QByteArray("9~x~S~4~d~^\r\n\r\n12~only~three\r\n")
                                      << "(the first of them is line 3)";
        QTest::newRow("a folder in its place") << QByteArray("<folder>") << "Could not read";
        QTest::newRow("empty, left by a crash") << QByteArray() << "";
        QTest::newRow("unmarked") << QByteArray("9~x~S~4~d\r\n3~y~S~4~d\r\n") << "";
    }
    void tablesTheGameDidNotWrite() {
        // Never asked for a name that is then thrown away: a table the game cannot rewrite
        // offers no record, and the player hears why once, over the frame.
        QFETCH(QByteArray, table);
        QFETCH(QString, told);
        if (table == "<folder>")
            QDir().mkdir(m_record);
        else
            writeFile(*m_dir, "record.txt", table);
        Game g(m_dir->path());
        Form1 &w = *g.window;
        MessageCloser messages;
        winIn(g, "5");
        g.click(0); // the victory again
        QCOMPARE(w.cmdEND[2]->isEnabled(), told.isEmpty());
        if (!told.isEmpty()) {
            QTRY_COMPARE(messages.said.size(), 1);
            QVERIFY2(messages.said[0].contains(told), qPrintable(messages.said[0]));
            QCOMPARE(w.lblEnd[0]->text(), g.state.MsgNoRecord);
            QVERIFY(readBytes(m_record) == table || QFileInfo(m_record).isDir());
            return;
        }
        QTest::mouseClick(w.cmdEND[2], Qt::LeftButton);
        QVERIFY(messages.said.isEmpty());
        const QByteArray stored = readBytes(m_record);
        QCOMPARE(stored.count("~^"), 1);
        QVERIFY(stored.contains("999~Unknown~Test~6~") || stored.startsWith("3~y~S~4~d\r\n9~x"));
        QVERIFY(stored.endsWith("5~Unknown~Colours~6~" + Today.toUtf8() + "\r\n"));
    }

    void recordsViewSortsAndNumbers() {
        writeFile(*m_dir, "record.txt",
                  "123~Cid~Toys~7~3.1.26~^\r\n5~bob~Food~4~1.1.26\r\n\r\nnot a line\r\n"
                  "42~Ann~Sea~5~2.1.26\r\n");
        Game g(m_dir->path());
        Form1 &w = *g.window;
        RecordsView *view = w.lvRecord;
        QVERIFY(!view->isVisible());
        QCOMPARE(view->geometry(), QRect(112, 128, 417, 196));
        QCOMPARE(view->palette().color(QPalette::Base), QColor(255, 255, 192));
        QCOMPARE(view->columnWidth(RecordsView::Gamer), 126);
        QCOMPARE(view->columnWidth(RecordsView::Place), 30);
        QCOMPARE(view->headerItem()->text(RecordsView::Place), QStringLiteral("№"));
        // The eight pictures of the list are real and all different.
        QSet<QByteArray> pictures;
        for (int n = 1; n <= 8; ++n) {
            const QImage image = picture(RecordsView::imageListIcon(n));
            QCOMPARE(image.size(), QSize(16, 16));
            pictures.insert(
                QByteArray(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()));
        }
        QCOMPARE(pictures.size(), 8);
        QCOMPARE(picture(view->headerItem()->icon(RecordsView::Time)),
                 picture(RecordsView::imageListIcon(2)));
        QVERIFY(view->headerItem()->icon(RecordsView::Place).isNull());

        w.board.PlayerKind = Board::KindNone;
        QTest::mouseClick(w.cmdTOP[3], Qt::LeftButton);
        QVERIFY(view->isVisible());
        QCOMPARE(w.cmdTOP[3]->text(), QStringLiteral("Close rec."));
        QCOMPARE(w.RecLines, 5);
        QCOMPARE(column(view, RecordsView::Time), (QStringList{"  5", " 42", "123"}));
        QCOMPARE(column(view, RecordsView::Place), (QStringList{"1", "2", "3"}));
        QCOMPARE(column(view, RecordsView::Gamer), (QStringList{"bob", "Ann", "Cid"}));
        QCOMPARE(column(view, RecordsView::Set), (QStringList{"Food", "Sea", "Toys"}));
        QCOMPARE(column(view, RecordsView::Date), (QStringList{"1.1.26", "2.1.26", "3.1.26"}));
        QCOMPARE(picture(view->topLevelItem(0)->icon(0)), picture(RecordsView::imageListIcon(4)));
        QCOMPARE(w.board.PlayerKind, Board::KindNone);

        clickHeader(view, RecordsView::Gamer);
        QCOMPARE(column(view, RecordsView::Gamer), (QStringList{"Ann", "bob", "Cid"}));
        QCOMPARE(column(view, RecordsView::Place), (QStringList{"2", "1", "3"}));
        clickHeader(view, RecordsView::Gamer);
        QCOMPARE(column(view, RecordsView::Gamer), (QStringList{"Ann", "bob", "Cid"}));
        // Names in the interface language's alphabetical order: Ё between Е and Ж.
        SetLanguage(g.program, Lang::Russian);
        view->clear();
        view->fill({{"Жора", "1", "", "", 0},
                    {"Ёжик", "2", "", "", 0},
                    {"Bob", "4", "", "", 0},
                    {"Егор", "3", "", "", 0},
                    {"ann", "5", "", "", 0}});
        QCOMPARE(column(view, RecordsView::Gamer),
                 (QStringList{"Егор", "Ёжик", "Жора", "ann", "Bob"}));
        SetLanguage(g.program, Lang::English);

        // Closing empties the view; reopening keeps the chosen sort column.
        QTest::mouseClick(w.cmdTOP[3], Qt::LeftButton);
        QVERIFY(!view->isVisible());
        QCOMPARE(view->topLevelItemCount(), 0);
        QCOMPARE(w.cmdTOP[3]->text(), QStringLiteral("Records"));
        QTest::mouseClick(w.cmdTOP[3], Qt::LeftButton);
        QCOMPARE(column(view, RecordsView::Gamer), (QStringList{"Ann", "bob", "Cid"}));
        QCOMPARE(column(view, RecordsView::Place), (QStringList{"1", "2", "3"}));
    }

    void placesSortAsText() {
        QByteArray twelve;
        for (int i = 1; i <= 12; ++i)
            twelve += QByteArray::number(100 + i) + "~p" + QByteArray::number(i) + "~S~4~d\r\n";
        writeFile(*m_dir, "record.txt", twelve);
        Game g(m_dir->path());
        QTest::mouseClick(g.window->cmdTOP[3], Qt::LeftButton);
        RecordsView *view = g.window->lvRecord;
        QCOMPARE(view->topLevelItemCount(), 10);
        // A full table fits the view without scrolling.
        QCoreApplication::processEvents();
        QVERIFY(view->visualItemRect(view->topLevelItem(9)).bottom() < view->viewport()->height());
        QVERIFY(view->header()->sectionPosition(RecordsView::Date) +
                    view->header()->sectionSize(RecordsView::Date) <=
                view->viewport()->width());
        QCOMPARE(column(view, RecordsView::Time).last(), QStringLiteral("110"));
        clickHeader(view, RecordsView::Place);
        QCOMPARE(column(view, RecordsView::Place),
                 (QStringList{"1", "10", "2", "3", "4", "5", "6", "7", "8", "9"}));
    }

    void freshInstallationShowsThePlaceholder() {
        Game g(m_dir->path());
        QTest::mouseClick(g.window->cmdTOP[3], Qt::LeftButton);
        QTreeWidgetItem *row = g.window->lvRecord->topLevelItem(0);
        QVERIFY(row && g.window->lvRecord->topLevelItemCount() == 1);
        QCOMPARE(
            QStringList({row->text(0), row->text(1), row->text(2), row->text(3), row->text(4)}),
            QStringList(
                {"Unknown", "1", "999", "Test", recordDate(QDate::currentDate().addDays(-30))}));
        QCOMPARE(picture(row->icon(0)), picture(RecordsView::imageListIcon(6)));
    }

    void helpOpensAndCloses() {
        writeFile(*m_dir, "help.txt", "Как играть\r\n\r\nЩёлкни карточку.\r\n");
        Game g(m_dir->path());
        Form1 &w = *g.window;
        QTest::mouseClick(w.cmdTOP[2], Qt::LeftButton);
        QVERIFY(w.txtHELP->isVisible());
        QCOMPARE(w.cmdTOP[2]->text(), QStringLiteral("Close help"));
        QCOMPARE(w.txtHELP->toPlainText(),
                 QStringLiteral("Do not find help file ") + m_dir->filePath("help-e.txt"));
        QTest::mouseClick(w.cmdTOP[2], Qt::LeftButton);
        QVERIFY(!w.txtHELP->isVisible() && w.txtHELP->toPlainText().isEmpty());
        QCOMPARE(w.cmdTOP[2]->text(), QStringLiteral("Help"));

        applyLanguageTexts(g.state, Lang::Russian);
        QTest::mouseClick(w.cmdTOP[2], Qt::LeftButton);
        QCOMPARE(w.cmdTOP[2]->text(), QStringLiteral("Закр. пом."));
        QCOMPARE(w.txtHELP->toPlainText(), QStringLiteral("\nКак играть\n\nЩёлкни карточку."));
        QTest::mouseClick(w.cmdTOP[2], Qt::LeftButton);
        QCOMPARE(w.cmdTOP[2]->text(), QStringLiteral("Помощь"));
    }

    void clearAndOptionsFromTheCommandBar() {
        Game g(m_dir->path());
        Form1 &w = *g.window;
        QCOMPARE(w.cmdTOP[3]->geometry(), QRect(120, 7, 90, 25));
        QCOMPARE(w.cmdTOP[0]->geometry(), QRect(432, 7, 90, 25));
        const auto pairs = g.pairs();
        g.click(pairs[0].first);
        g.click(pairs[0].second);
        g.state.ClockSeconds = 12;
        QTest::mouseClick(w.cmdTOP[0], Qt::LeftButton);
        QCOMPARE(w.board.OpenPairs, qint16(0));
        QVERIFY(!w.Foto[pairs[0].first]->hasPicture());
        QCOMPARE(g.state.ClockSeconds, qint16(0));
        QVERIFY(w.Timer1->isActive());

        g.state.ClockSeconds = 7;
        Modal seen;
        closeNextModal(seen);
        QTest::mouseClick(w.cmdTOP[1], Qt::LeftButton);
        QCOMPARE(seen.widget, &g.program.form2());
        QCOMPARE(seen.pos, w.frameGeometry().topLeft() + QPoint(327, 56));
        QCOMPARE(g.state.SavedSeconds, qint16(7));
    }

  private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_record;
};

QTEST_MAIN(TestRecordsWindow)
#include "test_records_window.moc"

// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the options window alone shows: built on first use and opened modally by Options beside
// the main window (its layout is clicked by the end-to-end scripts), its captions in both
// languages, and each control calling the model.
#include "gamedriver.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QGroupBox>

class TestOptionsWindow : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { installModalWatchdog(); }
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        writeSet(m_dir->path() + "/img0", 12, "Colours");
        writeSet(m_dir->path() + "/img2", 12, "Shapes");
    }

    // Options holds the clock while the window is open; Escape leaves it as Cancel does, and
    // both give back the time spent there.
    void openedModallyByOptions() {
        for (bool escape : {false, true}) {
            Game g(m_dir->path());
            QVERIFY(!g.program.form2Loaded());
            g.model.clock().stop();
            g.model.clock().secondsStep();
            QWidget *opened = nullptr;
            onNextModal([&](QWidget *modal) {
                opened = modal;
                g.model.clock().secondsStep();
                escape ? QTest::keyClick(modal, Qt::Key_Escape) : button(g, "cmdNAS(3)")->click();
            });
            g.press("cmdTOP(1)");
            QVERIFY(opened == &g.program.form2() && !opened->isVisible());
            QCOMPARE(g.model.clock().seconds(), 1);
            QCOMPARE(opened->pos() - g.window->frameGeometry().topLeft(), QPoint(327, 56));
        }
    }

    // "Photos…" makes the selected set from the folder chosen, whose name it takes; a cancelled
    // chooser changes nothing; "Restore" brings back the shipped set.
    void photosTakeTheSelectedSetsPlace() {
        QTemporaryDir photos;
        writeSet(photos.filePath("Our cat"), 12, "");
        Game g(m_dir->path());
        g.click(0); // a picture in memory, which the new set's pictures must not be taken for
        QVERIFY(g.pictures.cachedCount() > 0);
        QAbstractButton *set = button(g, "optP(2)"), *made = button(g, "cmdPhotos");
        set->click();
        for (const bool chosen : {false, true}) {
            onNextModal([&](QWidget *chooser) {
                auto *dialog = qobject_cast<QFileDialog *>(chooser);
                QVERIFY(dialog && dialog->fileMode() == QFileDialog::Directory);
                dialog->setDirectory(photos.filePath("Our cat"));
                chosen ? static_cast<QDialog *>(dialog)->accept() : dialog->reject();
            });
            MessageCloser closer;
            made->click();
            QCOMPARE(closer.said.size(), int(chosen));
        }
        QCOMPARE(set->text(), QStringLiteral("Our cat"));
        QCOMPARE(g.pictures.cachedCount(), 0);
        QVERIFY(QFileInfo::exists(m_dir->filePath("photos/img2/11@2x.gif")));
        button(g, "cmdRestore")->click();
        QCOMPARE(set->text(), QStringLiteral("Shapes"));
        QVERIFY(!QFileInfo::exists(m_dir->filePath("photos/img2")));
    }

    // After a click on lblLOC(0), then on the row's label: a sample of the captions, whether
    // the riddles can be chosen, and the colours of "Rus" and "Eng".
    void languages_data() {
        QTest::addColumn<QString>("shown");
        QTest::newRow("lblLOC(0)") << "Настройки|Фон|Сменить|Отмена| Обнулить файл рекордов "
                                      "|yes|#000000 #800000";
        QTest::newRow("lblLOC(1)")
            << "Options|Background|Apply|Cancel| Delete record file |no|#800000 #000000";
    }
    void languages() {
        Game g(m_dir->path());
        QTest::mouseClick(g.option("lblLOC(0)"), Qt::LeftButton);
        QTest::mouseClick(g.option(QTest::currentDataTag()), Qt::LeftButton);
        auto colour = [&g](const char *name) {
            return g.option(name)->palette().color(QPalette::WindowText).name();
        };
        QTEST(QStringList({g.program.form2().windowTitle(),
                           g.option<QGroupBox>("Frame(0)")->title(), button(g, "cmdNAS(0)")->text(),
                           button(g, "cmdNAS(3)")->text(), g.option("chkR")->toolTip(),
                           g.option("Frame(3)")->isEnabled() ? "yes" : "no",
                           colour("lblLOC(0)") + ' ' + colour("lblLOC(1)")})
                  .join('|'),
              "shown");
    }

    void controlsCallTheModel() {
        Game g(m_dir->path());
        const Choices &c = g.model.choices();
        const QString ini = m_dir->filePath("Kestrova.ini");
        for (const char *name : {"optFon(4)", "optP(2)", "chkS", "chkZ", "chkR"})
            button(g, name)->toggle();
        QVERIFY(c.background == 4 && c.pictureSet == 2 && !c.sound && c.riddleAtStart &&
                c.eraseRecords);
        button(g, "chkZ")->toggle();     // no riddle at the next start
        button(g, "cmdNAS(0)")->click(); // this run only
        QVERIFY(g.model.iniValues()[Ini::Background] == "4" && !QFile::exists(ini));
        button(g, "cmdNAS(3)")->click();
        QVERIFY(!c.eraseRecords && !button(g, "chkR")->isChecked());
        g.model.clock().secondsStep();
        button(g, "cmdNAS(2)")->click();
        QVERIFY(readBytes(ini).startsWith("optFon=4\r\noptP=2\r\nchks.Value=0\r\n"));
        QCOMPARE(g.model.clock().seconds(), 0);
        QPointer<Form1> old = g.window;
        button(g, "cmdNAS(1)")->click(); // deals the chosen set on a new main window
        QVERIFY(g.program.form1() != old && g.model.board().CardPic[0].contains("/img2/"));
    }

  private:
    static QAbstractButton *button(Game &g, const char *n) { return g.option<QAbstractButton>(n); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_MAIN(TestOptionsWindow)
#include "test_options_window.moc"

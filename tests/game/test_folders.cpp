// An installed game: data read from its own folder, settings and records written to the user's
// folder, and a user's folder that cannot be written.
#include "gamedriver.h"
#include "modal.h"
#include "records/recordsview.h"
#include "settings/form2.h"
#include "testfiles.h"
#include "ui/gamefolders.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDirIterator>
#include <QPushButton>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

class TestFolders : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        m_data = std::make_unique<QTemporaryDir>();
        m_user = std::make_unique<QTemporaryDir>();
        writeSet(m_data->path() + "/img0", 12, "Colours");
    }

    void installedGameWritesOnlyToTheUserFolder() {
        const QStringList before = snapshot(m_data->path());
        Game g(m_data->path(), 0, {}, m_user->path());
        g.winAndStore();
        const QByteArray records = readBytes(m_user->filePath("record.txt"));
        QVERIFY(records.startsWith("999~Unknown~Test~6~"));
        QVERIFY(records.contains("\r\n0~Unknown~Colours~6~"));

        Form2 &o = g.program.form2();
        onNextModal([&](QWidget *) {
            o.optFon[3]->setChecked(true);
            o.cmdNAS[2]->click(); // OK
        });
        g.window->cmdTOP[1]->click();
        QVERIFY(readBytes(m_user->filePath("Kestrova.ini")).startsWith("optFon=3\r\n"));
        QCOMPARE(snapshot(m_data->path()), before);
    }

    void olderFilesInTheUserFolderAreReadAsBefore() {
        // A Russian interface chosen by an older version (LF line ends) and a hall of fame in
        // Windows-1251.
        QVERIFY(!writeFile(*m_user, "Kestrova.ini",
                           "optFon=2\noptP=0\nchks.Value=1\nLocalisation=0\nchkz.Value=0\n")
                     .isEmpty());
        const QByteArray masha("\xcc\xe0\xf8\xe0"); // "Маша" in Windows-1251
        QVERIFY(
            !writeFile(*m_user, "record.txt",
                       "12~" + masha + "~Colours~5~1.1.2020\r\n999~Unknown~Test~6~1.1.2020~^\r\n")
                 .isEmpty());
        Game g(m_data->path(), 0, {}, m_user->path());
        QCOMPARE(g.state.Language, 0.0f);
        g.window->cmdTOP[3]->click();
        QCOMPARE(g.window->lvRecord->topLevelItem(0)->text(RecordsView::Gamer),
                 QStringLiteral("Маша"));
        QVERIFY(!QFileInfo::exists(m_data->filePath("record.txt")));
    }

    void unwritableUserFolderIsReportedOnce() {
        // The user's folder cannot be created: a file stands where it would go.
        QVERIFY(!writeFile(*m_user, "blocked", "x").isEmpty());
        const QString folder = m_user->filePath("blocked/Kestrova");
        const QStringList before = snapshot(m_data->path());
        Game g(m_data->path(), 0, {}, folder);
        g.state.CannotSave = true;

        MessageCloser messages;
        g.winAndStore();
        QTRY_COMPARE(messages.said.size(), 1);
        QCOMPARE(messages.said.first(), cannotSaveMessage(folder, false));
        QVERIFY(messages.said.first().contains(folder));
        // The game goes on: the clock runs, the victory frame is gone.
        QVERIFY(!g.window->Frame2->isVisible() && g.window->Timer1->isActive());

        // The options' OK keeps the choices for this run and says nothing more; nor does a
        // second record.
        Form2 &o = g.program.form2();
        onNextModal([&](QWidget *) {
            o.chkS->setChecked(false);
            o.cmdNAS[2]->click(); // OK
        });
        g.window->cmdTOP[1]->click();
        QVERIFY(g.state.UnsavedSettings.contains("chks.Value=0"));
        g.winAndStore();
        QTest::qWait(100);
        QCOMPARE(messages.said.size(), 1);
        QCOMPARE(snapshot(m_data->path()), before);
        QCOMPARE(QDir(m_user->path()).entryList(QDir::Files), QStringList{"blocked"});
    }

  private:
    std::unique_ptr<QTemporaryDir> m_data, m_user;
};

QTEST_MAIN(TestFolders)
#include "test_folders.moc"

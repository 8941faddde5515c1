// The whole game when its folder is hostile: read-only, a disk that fills up during a save, text
// files of megabytes or gigabytes, binary garbage in every text file, and no data at all.
#include "gamedriver.h"
#include "modal.h"
#include "records/recordsview.h"
#include "riddles/frmzag.h"
#include "settings/form2.h"
#include "testfiles.h"

#include <QCheckBox>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>
#include <pwd.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// A file of `bytes` zero bytes that takes no room on the disk.
bool writeSparse(const QString &path, qint64 bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.resize(bytes);
}

QByteArray garbage(quint32 seed, int size) {
    QRandomGenerator random(seed);
    QByteArray bytes(size, '\0');
    for (char &c : bytes)
        c = static_cast<char>(random.bounded(256));
    return bytes;
}

long maxRssKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Runs `action` while `folder` cannot be written: its mode is r-x, and when the tests run as
// root, who may write anywhere, the process acts as "nobody" meanwhile.
template <typename Action> void withReadOnlyFolder(const QTemporaryDir &dir, Action action) {
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                        QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    QVERIFY(QFile::setPermissions(dir.path(), readOnly));
    const passwd *nobody = getpwnam("nobody");
    const bool root = geteuid() == 0;
    if (root)
        QVERIFY(nobody && seteuid(nobody->pw_uid) == 0);
    action();
    if (root)
        QVERIFY(seteuid(0) == 0);
    QVERIFY(QFile::setPermissions(dir.path(), readOnly | QFile::WriteOwner));
}

void pressOptionsOk(Game &g) {
    Form2 &o = g.program.form2();
    onNextModal([&](QWidget *) {
        o.optFon[2]->setChecked(true);
        o.cmdNAS[2]->click();
    });
    g.window->cmdTOP[1]->click();
}

const QByteArray OldTable = "30~Ann~Colours~5~1.1.26~^\r\n12~Bob~Colours~4~2.1.26\r\n";
const QByteArray OldSettings = "optFon=1\r\noptP=0\r\nchks.Value=1\r\nLocalisation=1\r\n"
                               "chkz.Value=0\r\n";

} // namespace

class TestFaults : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        writeSet(m_dir->path() + "/img0", 12, "Colours");
    }

    void savesThatFail_data() {
        QTest::addColumn<bool>("readOnly"); // otherwise a disk that fills up during the saves
        QTest::newRow("read-only application folder") << true;
        QTest::newRow("disk full") << false;
    }
    void savesThatFail() {
        QFETCH(bool, readOnly);
        writeFile(*m_dir, "record.txt", OldTable);
        writeFile(*m_dir, "Kestrova.ini", OldSettings);
        const QStringList before = snapshot(m_dir->path());
        MessageCloser messages;
        const auto play = [&] {
            Game g(m_dir->path());
            g.winAndStore();
            QTRY_COMPARE(messages.said.size(), 1);
            pressOptionsOk(g);
            QTRY_COMPARE(messages.said.size(), 2);
            // The choice holds for the run, the game goes on.
            QCOMPARE(g.state.IniValue[0], QStringLiteral("2"));
            QVERIFY(g.window->Timer1->isActive());
        };
        if (readOnly)
            withReadOnlyFolder(*m_dir, play);
        else
            QVERIFY(withFileSizeLimit(20, play));
        QVERIFY(messages.said[0].startsWith("The record was not saved.\n"));
        QVERIFY(
            messages.said[1].contains(QDir::toNativeSeparators(m_dir->filePath("Kestrova.ini"))));
        // Both files are whole, and no half-written copy lies beside them.
        QCOMPARE(snapshot(m_dir->path()), before);
    }

    void hugeRecordFiles_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("8 MB of results") << "megabytes";
        QTest::newRow("100000 lines") << "lines";
        QTest::newRow("3 GB of zeros") << "sparse";
    }
    void hugeRecordFiles() {
        QFETCH(QString, kind);
        const QString path = m_dir->filePath("record.txt");
        if (kind == "sparse") {
            QVERIFY(writeSparse(path, 3LL << 30));
        } else {
            const QByteArray line =
                kind == "lines" ? "1~a~b~4~d\r\n" : "7~Somebody~Colours~4~1.1.26\r\n";
            const int count = kind == "lines" ? 100000 : 8 * 1024 * 1024 / line.size();
            QVERIFY(!writeFile(*m_dir, "record.txt", line.repeated(count)).isEmpty());
        }
        const QStringList before = snapshot(m_dir->path());
        const long rss = maxRssKiB();
        QElapsedTimer clock;
        clock.start();

        MessageCloser messages;
        Game g(m_dir->path());
        g.window->cmdTOP[3]->click();
        QVERIFY(g.window->lvRecord->topLevelItemCount() <= 10);
        // Not a table the game can rewrite: no record is offered, and the player is told.
        g.win();
        QVERIFY(!g.window->cmdEND[2]->isEnabled());
        QTRY_COMPARE(messages.said.size(), 1);
        QVERIFY(clock.elapsed() < 3000);
        QVERIFY2(maxRssKiB() - rss < 200 * 1024, qPrintable(QString::number(maxRssKiB() - rss)));
        QCOMPARE(snapshot(m_dir->path()), before);
    }

    void hugeFilesEverywhere() {
        // Every text file the game reads, three gigabytes each (sparse, so nothing is stored).
        writeFile(*m_dir, "Kestrova.ini", "");
        for (const char *name : {"Kestrova.ini", "help.txt", "help-e.txt", "img0/setname.txt"})
            QVERIFY(writeSparse(m_dir->filePath(name), 3LL << 30));
        QVERIFY(QDir().mkpath(m_dir->filePath("zagadki")));
        QVERIFY(writeSparse(m_dir->filePath("zagadki/zagi.txt"), 3LL << 30));
        const long rss = maxRssKiB();
        QElapsedTimer clock;
        clock.start();

        MessageCloser messages;
        Game g(m_dir->path());
        g.window->cmdTOP[2]->click();
        QVERIFY(g.window->txtHELP->isVisible());
        FrmZAG &riddles = g.program.frmZAG();
        riddles.DoZagadki(3);
        QCOMPARE(riddles.lbl[1]->text(), QString());
        riddles.hide();
        g.winAndStore();
        QVERIFY(clock.elapsed() < 3000);
        QVERIFY(maxRssKiB() - rss < 200 * 1024);
        // The settings file, too big to be the game's, reads as defaults.
        QCOMPARE(g.state.IniValue[0], QStringLiteral("0"));
        QVERIFY(messages.said.isEmpty());
    }

    void garbageInEveryTextFile() {
        const QStringList names = {"record.txt", "Kestrova.ini",     "help.txt",
                                   "help-e.txt", "img0/setname.txt", "zagadki/zagi.txt"};
        QVERIFY(QDir().mkpath(m_dir->filePath("zagadki")));
        for (int i = 0; i < names.size(); ++i)
            QVERIFY(!writeFile(*m_dir, names[i], garbage(i + 1, 5000)).isEmpty());
        const QByteArray table = readBytes(m_dir->filePath("record.txt"));

        MessageCloser messages;
        Game g(m_dir->path());
        g.window->cmdTOP[2]->click();
        QVERIFY(!g.window->txtHELP->toPlainText().isEmpty());
        g.window->cmdTOP[3]->click();
        QVERIFY(g.window->lvRecord->topLevelItemCount() <= 10);
        g.window->cmdTOP[3]->click();
        FrmZAG &riddles = g.program.frmZAG();
        for (int n = 0; n < 14; ++n)
            riddles.DoZagadki(n);
        riddles.hide();
        // A table that is not the game's offers no record and is never rewritten; the player
        // hears why.
        g.win();
        QVERIFY(!g.window->cmdEND[2]->isEnabled());
        QTRY_COMPARE(messages.said.size(), 1);
        QCOMPARE(readBytes(m_dir->filePath("record.txt")), table);
        // Settings that are not the game's give way to the defaults and are replaced on OK.
        pressOptionsOk(g);
        QVERIFY(readBytes(m_dir->filePath("Kestrova.ini")).startsWith("optFon=2\r\noptP=0\r\n"));
    }

    void noDataAtAll() {
        QTemporaryDir empty;
        MessageCloser messages;
        Game g(empty.path());
        // Every card shows the stand-in picture when turned, and the game can be won.
        g.click(0);
        QVERIFY(g.window->Foto[0]->hasPicture());
        g.click(0);
        g.winAndStore();
        QVERIFY(readBytes(empty.filePath("record.txt")).contains("~Unknown~"));
        g.window->cmdTOP[2]->click();
        QVERIFY(g.window->txtHELP->isVisible());
        QVERIFY(messages.said.isEmpty());
    }

  private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_MAIN(TestFaults)
#include "test_faults.moc"

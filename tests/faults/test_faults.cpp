// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole game when its folders are hostile: read-only, a disk that fills up during a save, text
// files of megabytes or gigabytes, binary garbage in every text file, no data at all; and an
// installed game, whose files go to the user's folder, which may not be writable.
#include "gamedriver.h"
#include "modal.h"
#include "records/recordsview.h"
#include "riddles/frmzag.h"
#include "testfiles.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QRandomGenerator>
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

// Fails when what happened since it was made took more than 3 s (9 s in a sanitizer build, which
// runs several times slower) or 200 MiB of memory.
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 CostMs = 9000;
#else
constexpr qint64 CostMs = 3000;
#endif
struct Cost {
    long rss = maxRssKiB();
    QElapsedTimer clock;
    Cost() { clock.start(); }
    void check() const {
        QVERIFY2(clock.elapsed() < CostMs, qPrintable(QString::number(clock.elapsed())));
        QVERIFY2(maxRssKiB() - rss < 200 * 1024, qPrintable(QString::number(maxRssKiB() - rss)));
    }
};

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

// Opens the options, chooses a background (and sound off), and presses OK.
void pressOptionsOk(Game &g, int background = 2) {
    onNextModal([&g, background](QWidget *) {
        g.option<QAbstractButton>(QStringLiteral("optFon(%1)").arg(background))->click();
        g.option<QAbstractButton>("chkS")->click();
        g.option<QAbstractButton>("cmdNAS(2)")->click();
    });
    g.press("cmdTOP(1)");
}

const QByteArray OldTable = "30~Ann~Colours~5~1.1.26~^\r\n12~Bob~Colours~4~2.1.26\r\n";
const QByteArray OldSettings = "optFon=1\r\noptP=0\r\nchks.Value=1\r\nLocalisation=1\r\n"
                               "chkz.Value=0\r\n";

} // namespace

class TestFaults : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { installModalWatchdog(); }
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
            QCOMPARE(g.model.iniValues()[Ini::Background], QStringLiteral("2"));
            QVERIFY(g.model.clock().running());
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
        const Cost cost;

        MessageCloser messages;
        Game g(m_dir->path());
        g.press("cmdTOP(3)");
        QVERIFY(g.get<RecordsView>("lvRecord")->topLevelItemCount() <= 10);
        // Not a table the game can rewrite: no record is offered, and the player is told.
        g.win();
        QVERIFY(!g.get("cmdEND(2)")->isEnabled());
        QTRY_COMPARE(messages.said.size(), 1);
        cost.check();
        QCOMPARE(snapshot(m_dir->path()), before);
    }

    void hugeFilesEverywhere() {
        // Every text file the game reads, three gigabytes each (sparse, so nothing is stored).
        for (const char *name : {"Kestrova.ini", "help.txt", "help-e.txt", "img0/setname.txt"})
            QVERIFY(writeSparse(m_dir->filePath(name), 3LL << 30));
        QVERIFY(QDir().mkpath(m_dir->filePath("zagadki")));
        QVERIFY(writeSparse(m_dir->filePath("zagadki/zagi.txt"), 3LL << 30));
        const Cost cost;

        MessageCloser messages;
        Game g(m_dir->path());
        g.press("cmdTOP(2)");
        QVERIFY(g.get("txtHELP")->isVisible());
        FrmZAG &riddles = g.program.frmZAG();
        riddles.DoZagadki(3);
        QCOMPARE(riddles.riddle().text(), QString());
        g.winAndStore();
        cost.check();
        // The settings file, too big to be the game's, reads as defaults.
        QCOMPARE(g.model.iniValues()[Ini::Background], QStringLiteral("0"));
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
        g.press("cmdTOP(2)");
        QVERIFY(!g.get<QPlainTextEdit>("txtHELP")->toPlainText().isEmpty());
        g.press("cmdTOP(3)");
        QVERIFY(g.get<RecordsView>("lvRecord")->topLevelItemCount() <= 10);
        g.press("cmdTOP(3)");
        FrmZAG &riddles = g.program.frmZAG();
        for (int n = 0; n < 14; ++n)
            riddles.DoZagadki(n);
        // A table that is not the game's offers no record and is never rewritten; the player
        // hears why.
        g.win();
        QVERIFY(!g.get("cmdEND(2)")->isEnabled());
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
        QVERIFY(g.card(0)->hasPicture());
        g.click(0);
        g.winAndStore();
        QVERIFY(readBytes(empty.filePath("record.txt")).contains("~Unknown~"));
        g.press("cmdTOP(2)");
        QVERIFY(g.get("txtHELP")->isVisible());
        QVERIFY(messages.said.isEmpty());
    }

    void installedGameWritesOnlyToTheUserFolder() {
        // A Russian interface chosen by an older version (LF line ends) and a hall of fame in
        // Windows-1251, copied into the user's folder.
        QTemporaryDir user;
        writeFile(user, "Kestrova.ini", "optFon=2\noptP=0\nchks.Value=1\nLocalisation=0\n");
        writeFile(user, "record.txt",
                  "12~\xcc\xe0\xf8\xe0~Colours~5~1.1.2020\r\n999~Unknown~Test~6~1.1.2020~^\r\n");
        const QStringList before = snapshot(m_dir->path());
        Game g(m_dir->path(), 0, {}, user.path());
        QVERIFY(g.model.language().russian());
        g.press("cmdTOP(3)");
        QCOMPARE(g.get<RecordsView>("lvRecord")->topLevelItem(0)->text(RecordsView::Gamer),
                 QStringLiteral("Маша"));
        g.winAndStore();
        QVERIFY(readBytes(user.filePath("record.txt")).contains("\r\n0~Неизвестный~Colours~6~"));
        pressOptionsOk(g, 3);
        QVERIFY(readBytes(user.filePath("Kestrova.ini")).startsWith("optFon=3\r\n"));
        QCOMPARE(snapshot(m_dir->path()), before);
    }

    void unwritableUserFolderIsReportedOnce() {
        // The user's folder cannot be created: a file stands where it would go.
        QTemporaryDir user;
        writeFile(user, "blocked", "x");
        const QString folder = user.filePath("blocked/Kestrova");
        const QStringList before = snapshot(m_dir->path());
        Game g(m_dir->path(), 0, {}, folder, false);
        MessageCloser messages;
        g.winAndStore();
        QTRY_COMPARE(messages.said.size(), 1);
        QCOMPARE(messages.said.first(), cannotSaveMessage(folder, false));
        QVERIFY(messages.said.first().contains(folder) && g.model.clock().running());
        // The options' OK keeps the choices for this run and says nothing more; nor does a
        // second record.
        pressOptionsOk(g);
        g.model.ChooseIni();
        QVERIFY(!g.model.choices().sound && g.model.choices().background == 2);
        g.winAndStore();
        QTest::qWait(100);
        QCOMPARE(messages.said.size(), 1);
        QCOMPARE(snapshot(m_dir->path()), before);
        QCOMPARE(QDir(user.path()).entryList(QDir::Files), QStringList{"blocked"});
    }

  private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_MAIN(TestFaults)
#include "test_faults.moc"

// Checks paths, the folder layout, the command line, text files, locale numbers and the random
// sources of the platform layer.
#include "testfiles.h"
#include "ui/apppaths.h"
#include "ui/commandline.h"
#include "ui/gamefolders.h"
#include "ui/localenumber.h"
#include "ui/randomsource.h"
#include "ui/textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <climits>
#include <cmath>

class TestUiCore : public QObject {
    Q_OBJECT

  private slots:
    void appFile() {
        const char *cases[][3] = {{"/opt/k", "\\record.txt", "/opt/k/record.txt"},
                                  {"/opt/k/", "\\sounds\\a.wav", "/opt/k/sounds/a.wav"},
                                  {"/opt/k", "\\img3\\", "/opt/k/img3/"},
                                  {"", "\\img3\\", "img3/"}};
        for (const auto &c : cases)
            QCOMPARE(::appFile(c[0], c[1]), QString(c[2]));
    }

    void portableAndInstalledLayouts() {
        QTemporaryDir root;
        const QString bin = root.filePath("bin"), user = root.filePath("home/.local/Kestrova");
        QVERIFY(QDir().mkpath(bin));

        // Beside the program: data and written files in the program's folder, the user's folder
        // is not even created.
        GameFolders portable = locateGameFolders(bin, user);
        QVERIFY(!portable.installed && portable.writable);
        QCOMPARE(portable.data, bin);
        QCOMPARE(portable.written, bin);
        QVERIFY(!QFileInfo::exists(user));

        // <prefix>/bin beside <prefix>/share/kestrova: installed, the user's folder is created.
        QVERIFY(QDir().mkpath(root.filePath("share/kestrova")));
        GameFolders installed = locateGameFolders(bin, user);
        QVERIFY(installed.installed && installed.writable);
        QCOMPARE(installed.data, root.filePath("share/kestrova"));
        QCOMPARE(installed.written, user);
        QVERIFY(QFileInfo(user).isDir());
        QCOMPARE(locateGameFolders(bin + "/", user).data, root.filePath("share/kestrova"));

        // No user folder, or one that cannot be created (a file stands in its way): nothing
        // can be saved, the data is still found.
        QVERIFY(!writeFile(root, "home/blocked", "x").isEmpty());
        for (const QString &bad : {QString(), root.filePath("home/blocked/Kestrova")}) {
            const GameFolders broken = locateGameFolders(bin, bad);
            QVERIFY(broken.installed && !broken.writable);
            QCOMPARE(broken.data, root.filePath("share/kestrova"));
        }
        // A share/kestrova that is a file does not make an installed game.
        QTemporaryDir other;
        QVERIFY(QDir().mkpath(other.filePath("bin")) && QDir().mkpath(other.filePath("share")));
        QVERIFY(!writeFile(other, "share/kestrova", "x").isEmpty());
        QVERIFY(!locateGameFolders(other.filePath("bin"), user).installed);
    }

    void commandLine() {
        const auto action = [](const QStringList &args) {
            return readCommandLine(args, "2.5").action;
        };
        QCOMPARE(readCommandLine({"--version"}, "2.5").text, QString("Kestrova 2.5\n"));
        QVERIFY(readCommandLine({"-h"}, "2.5").text.startsWith("Usage: kestrova"));
        QCOMPARE(action({"-v"}), CommandLine::ShowVersion);
        // Help wins over version, wherever they stand; anything else starts the game.
        QCOMPARE(action({"--version", "--help"}), CommandLine::ShowHelp);
        QCOMPARE(action({"-platform", "xcb", "--version"}), CommandLine::ShowVersion);
        for (const QStringList &args :
             {QStringList{}, QStringList{"--fullscreen"}, QStringList{"/home/ann/photo.jpg", "-x"}})
            QCOMPARE(action(args), CommandLine::Play);
    }

    void readTextLines_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << QByteArray() << QStringList{};
        QTest::newRow("crlf") << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
        QTest::newRow("lf, lone cr") << QByteArray("a\nb\rc") << QStringList{"a", "b", "c"};
        QTest::newRow("cr, crlf") << QByteArray("a\r\r\n") << QStringList{"a", ""};
        QTest::newRow("utf8 bom") << QByteArray("\xEF\xBB\xBF\xD0\xAF\n") << QStringList{"Я"};
        QTest::newRow("cp1251") << QByteArray("\xCF\xF0\xE8\xE2\xE5\xF2\r\n1")
                                << QStringList{"Привет", "1"};
        QTest::newRow("each line its own encoding")
            << QByteArray("\xD0\x9C\xD0\xB0\xD1\x88\xD0\xB0\r\n\xCC\xE0\xF8\xE0\r\n\xC3\xA4")
            << QStringList{"Маша", "Маша", "ä"};
    }
    void readTextLines() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QTemporaryDir dir;
        const QString path = writeFile(dir, "t.txt", bytes);
        QCOMPARE(::readTextLines(path), std::optional<QStringList>(lines));
        QCOMPARE(readFirstLine(path), lines.value(0));
    }

    void longAndHugeFiles() {
        QTemporaryDir dir;
        // A long line comes cut (never in the middle of a character), and the lines after it
        // are still there; reading stops at the file's limit.
        const QString path =
            writeFile(dir, "t.txt", QByteArray(100, 'x') + "\n\xC3\xA4\xC3\xA4\xC3\xA4\nok\n");
        TextLineReader reader(path, {5, 1000});
        QCOMPARE(reader.next(), std::optional<QString>("xxxxx"));
        QVERIFY(reader.lastLineCut());
        QCOMPARE(reader.next(), std::optional<QString>("ää"));
        QCOMPARE(reader.next(), std::optional<QString>("ok"));
        QVERIFY(!reader.lastLineCut() && !reader.next() && reader.reachedEnd());
        TextLineReader limited(path, {5, 104});
        QCOMPARE(limited.next(), std::optional<QString>("xxxxx"));
        QCOMPARE(limited.next(), std::optional<QString>("ä"));
        QVERIFY(!limited.next() && !limited.reachedEnd());
        QCOMPARE(::readTextLines(path, 2, {5, 1000}), std::optional<QStringList>({"xxxxx", "ää"}));

        QVERIFY(fileExists(path) && !fileExists(dir.path()) && !fileExists(QString()));
        QVERIFY(!::readTextLines(dir.filePath("missing.txt")) && !::readTextLines(dir.path()));
        QCOMPARE(readFirstLine(dir.path()), QString());
    }

    void atomicWrite() {
        QTemporaryDir dir;
        const QString path = writeFile(dir, "record.txt", "an older and longer content");
        QVERIFY(writeTextFileAtomic(path, {"a", "b"}));
        QCOMPARE(readBytes(path), QByteArray("a\r\nb\r\n"));
        QString error;
        QVERIFY(!writeTextFileAtomic(dir.filePath("nowhere/x.txt"), {"a"}, &error));
        QVERIFY(!error.isEmpty());

        // A disk that fills up during the write.
        bool written = true;
        QVERIFY(withFileSizeLimit(4096, [&] {
            written = writeTextFileAtomic(path, QStringList(100, QString(100, 'x')));
        }));
        QVERIFY(!written);
        QCOMPARE(readBytes(path), QByteArray("a\r\nb\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"record.txt"});
    }

    void localeNumbers() {
        for (const auto &[loc, sep] : {std::pair(QLocale::c(), QString(".")),
                                       std::pair(QLocale(QLocale::Russian), QString(","))}) {
            QCOMPARE(formatGeneral(57.3, loc), "57" + sep + "3");
            QCOMPARE(formatGeneral(1 / 10.0 + 3, loc), "3" + sep + "1");
            QCOMPARE(formatGeneral(-0.1, loc), "-0" + sep + "1");
            QCOMPARE(formatGeneral(1234567.0, loc), QString("1234567"));
            QCOMPARE(formatGeneral(1e15, loc), QString("1000000000000000"));
            QCOMPARE(parseLocaleNumber(" 57.3 ", loc), std::optional<double>(57.3));
            QCOMPARE(parseLocaleNumber("-57,3", loc), std::optional<double>(-57.3));
            for (const char *bad : {"", "12a", "1.2.3", "1,234.5", "1\u00A0234", "nan", "inf"})
                QVERIFY2(!parseLocaleNumber(bad, loc), bad);
        }
    }

    void roundHalfEven() {
        const std::pair<double, int> cases[] = {
            {2.5, 2},   {3.5, 4}, {-2.5, -2},      {-3.5, -4},       {2.51, 3},
            {-0.6, -1}, {0.5, 0}, {1e12, INT_MAX}, {-1e12, INT_MIN}, {std::nan(""), 0}};
        for (const auto &[value, expected] : cases)
            QCOMPARE(::roundHalfEven(value), expected);
    }

    void randomSources() {
        ScriptedRandom scripted({0.25, 0.999});
        QCOMPARE(scripted.next(), 0.25);
        QCOMPARE(scripted.next(), 0.999);
        ClockRandom clock;
        for (int i = 0; i < 100000; ++i) {
            const double s = scripted.next(), c = clock.next();
            QVERIFY(s >= 0.0 && s < 1.0 && c >= 0.0 && c < 1.0);
        }
    }
};

QTEST_GUILESS_MAIN(TestUiCore)
#include "test_ui_core.moc"

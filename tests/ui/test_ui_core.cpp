// Checks paths, text files, locale numbers and the random sources of the platform layer.
#include "testfiles.h"
#include "ui/apppaths.h"
#include "ui/localenumber.h"
#include "ui/randomsource.h"
#include "ui/textfile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <climits>
#include <cmath>

class TestUiCore : public QObject {
    Q_OBJECT

  private slots:
    void appFile_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QString>("expected");
        QTest::newRow("file") << "/opt/k"
                              << "\\record.txt"
                              << "/opt/k/record.txt";
        QTest::newRow("nested") << "/opt/k/"
                                << "\\sounds\\a.wav"
                                << "/opt/k/sounds/a.wav";
        QTest::newRow("folder") << "/opt/k"
                                << "\\img3\\"
                                << "/opt/k/img3/";
        QTest::newRow("no app folder") << ""
                                       << "\\img3\\"
                                       << "img3/";
    }
    void appFile() {
        QFETCH(QString, folder);
        QFETCH(QString, relative);
        QFETCH(QString, expected);
        QCOMPARE(::appFile(folder, relative), expected);
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
    }
    void readTextLines() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QTemporaryDir dir;
        const QString path = writeFile(dir, "t.txt", bytes);
        QCOMPARE(::readTextLines(path), std::optional<QStringList>(lines));
        QCOMPARE(readFirstLine(path), lines.value(0));
    }

    void unreadableFiles() {
        QTemporaryDir dir;
        const QString big = writeFile(dir, "big.txt", QByteArray(101, 'x'));
        QVERIFY(::readTextLines(big, 101) && !::readTextLines(big, 100));
        QVERIFY(fileExists(big) && !fileExists(dir.path()) && !fileExists(QString()));
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

    void localeNumbers_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("sep");
        QTest::newRow("C") << "C"
                           << ".";
        QTest::newRow("ru_RU") << "ru_RU"
                               << ",";
    }
    void localeNumbers() {
        QFETCH(QString, locale);
        QFETCH(QString, sep);
        const QLocale loc(locale);
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

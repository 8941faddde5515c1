// The settings file read by line position and written with its five keys, the backgrounds'
// colour table, and erasing the record file.
#include "records/recordfile.h"
#include "settings/backgrounds.h"
#include "settings/settingsfile.h"
#include "testfiles.h"
#include "ui/textfile.h"

#include <QDir>
#include <QtTest>

class TestSettings : public QObject {
    Q_OBJECT

  private slots:
    void readByLinePosition_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("expected"); // places 0 to 5

        const QStringList defaults = {"0", "0", "1", "1", "0", "kept"};
        QTest::newRow("no lines") << QStringList() << defaults;
        QTest::newRow("background alone")
            << QStringList{"optFon=4"} << QStringList{"4", "0", "1", "1", "0", "kept"};
        QTest::newRow("a line without '=' is its own value")
            << QStringList{"optFon=0", "optP=0", "0"}
            << QStringList{"0", "0", "0", "1", "0", "kept"};
        QTest::newRow("two '=' signs")
            << QStringList{"optFon=a=b"} << QStringList{"a=b", "0", "1", "1", "0", "kept"};
        QTest::newRow("keys are not read: swapped lines swap the values")
            << QStringList{"optP=5", "optFon=2"} << QStringList{"5", "2", "1", "1", "0", "kept"};
        QTest::newRow("blanks stay in the value") << QStringList{"optFon=3 ", "", "chks.Value= 1"}
                                                  << QStringList{"3 ", "", " 1", "1", "0", "kept"};
        QTest::newRow("a sixth line is kept, later ones ignored")
            << QStringList{"a=0", "b=1", "c=0", "d=0", "e=1", "f=6", "g=7", "h=8"}
            << QStringList{"0", "1", "0", "0", "1", "6"};
    }
    void readByLinePosition() {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, expected);
        IniValues ini;
        ini.fill(QStringLiteral("stale"));
        ini[5] = QStringLiteral("kept");
        resetIniDefaults(ini);
        storeIniLines(ini, lines);
        QCOMPARE(QStringList(ini.begin(), ini.end()), expected);
    }

    void readingTheFile() {
        QTemporaryDir dir;
        const QString path = settingsFilePath(dir.path());
        QCOMPARE(path, dir.path() + "/Kestrova.ini");
        QVERIFY(!readSettingsLines(path));
        writeFile(dir, "Kestrova.ini", "optFon=5\r\noptP=1\nchks.Value=0");
        QCOMPARE(*readSettingsLines(path), (QStringList{"optFon=5", "optP=1", "chks.Value=0"}));
        // Any size: the lines before a huge one, and nothing after it is read.
        writeFile(dir, "Kestrova.ini",
                  "optFon=5\r\noptP=1\r\n1\r\n0\r\n1\r\n" + QByteArray(100 * 1024, '1') + "\r\n7");
        QCOMPARE(*readSettingsLines(path), (QStringList{"optFon=5", "optP=1", "1", "0", "1"}));
        QDir().mkpath(path + "x");
        QVERIFY(!readSettingsLines(path + "x"));
    }

    void numbersInTheFile() {
        // Whole numbers round ties to even; an option must name one of the seven buttons and
        // a switch must be 0 or 1.
        QCOMPARE(wholeNumber("2.5").value_or(-100), 2);
        QCOMPARE(wholeNumber(" 3,5 ").value_or(-100), 4);
        QVERIFY(!wholeNumber("abc") && !wholeNumber("") && !wholeNumber("1e300"));
        QCOMPARE(optionIndex("6").value_or(-1), 6);
        QVERIFY(!optionIndex("7") && !optionIndex("-1"));
        QCOMPARE(switchValue("0.6").value_or(false), true);
        QVERIFY(!switchValue("2"));
        QCOMPARE(languageValue("0.4").value_or(-1), 0.4f);
        QVERIFY(!languageValue("English") && !languageValue("1e60"));
    }

    void writtenFileByteForByte() {
        QTemporaryDir dir;
        IniValues ini;
        resetIniDefaults(ini);
        const QString path = settingsFilePath(dir.path());
        QVERIFY(writeTextFileAtomic(path, settingsFileLines(ini, 1, 1.0f, 0)));
        QCOMPARE(
            readBytes(path),
            QByteArray("optFon=0\r\noptP=0\r\nchks.Value=1\r\nLocalisation=1\r\nchkz.Value=0\r\n"));

        // The stored choices as their texts; the switches and the language as they stand.
        ini[0] = "4";
        ini[1] = "6";
        ini[5] = "never written";
        QCOMPARE(settingsFileLines(ini, 0, 0.4f, 1),
                 (QStringList{"optFon=4", "optP=6", "chks.Value=0", "Localisation=0.4",
                              "chkz.Value=1"}));
        QCOMPARE(settingsFileLines(ini, 2, 0.0f, 0)[3], QStringLiteral("Localisation=0"));
        QCOMPARE(settingsFileLines(ini, 2, *languageValue("-0"), 0)[3], "Localisation=0");
    }

    void backgroundChoices() {
        // Compared as text: 2 and 5 share a colour, and no other text names one.
        const char *colours[7] = {"200,200,200", "225,205,190", "255,197,85", "134,138,163",
                                  "239,96,162",  "255,197,85",  "188,188,174"};
        for (int n = 0; n < 7; ++n) {
            const auto card = backgroundCardColour(QString::number(n));
            QCOMPARE(QStringLiteral("%1,%2,%3").arg(card->red).arg(card->green).arg(card->blue),
                     QString::fromLatin1(colours[n]));
            QCOMPARE(isPlainBackground(QString::number(n)), n == 0);
        }
        for (const char *none : {"3 ", "03", "7", ""})
            QVERIFY(!backgroundCardColour(none));
        // The picture's name holds the text as it is, but never leaves its folder.
        QCOMPARE(backgroundPicturePath("/app", "3 "), QStringLiteral("/app/back/back3 .jpg"));
        QCOMPARE(backgroundPicturePath("/app", "/../../etc/x"), QString());
        QCOMPARE(backgroundPicturePath("/app", "..\\x"), QString());
    }

    void erasingTheRecordFile() {
        QTemporaryDir dir;
        const QString path = recordFilePath(dir.path());
        QCOMPARE(eraseRecordFile(path, false), QString()); // nothing there: nothing to say
        writeFile(dir, "record.txt", "999~Unknown~Animals~6~1.1.2026~^\r\n");
        QCOMPARE(eraseRecordFile(path, false), QString());
        QVERIFY(!QFile::exists(path));
        QDir().mkdir(path);
        QVERIFY(eraseRecordFile(path, true).startsWith(QStringLiteral("Рекорды не удалены.\n")));
        QVERIFY(QFileInfo(path).isDir());
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"

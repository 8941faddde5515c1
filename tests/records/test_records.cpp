// The record file: its lines, the merge of a new result, the victory check, the view's rows
// and the help text.
#include "records/helptext.h"
#include "records/recordcheck.h"
#include "records/recordfile.h"
#include "records/recordrows.h"
#include "testfiles.h"
#include "ui/textfile.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

const QLocale English(QLocale::English, QLocale::UnitedStates);
const QLocale Russian(QLocale::Russian, QLocale::Russia);

// A table written as "57a 999*b 80c": each result's time, a star for the marker, and a
// one-letter name that says which line it is; "_" is a blank line.
QStringList table(const QString &notation) {
    QStringList lines;
    for (const QString &token : notation.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (token == QLatin1String("_")) {
            lines.append(QString());
            continue;
        }
        const bool marked = token.contains(QLatin1Char('*'));
        QString time = token;
        time.remove(QLatin1Char('*'));
        const QString name = time.right(1);
        time.chop(1);
        lines.append(QStringLiteral("%1~%2~Animals~4~1/2/26%3")
                         .arg(time, name, marked ? RecordMarker : QString()));
    }
    return lines;
}

// The merged lines in the same notation; the new result is called "n".
QString notation(const QStringList &lines) {
    QStringList tokens;
    for (const QString &line : lines) {
        const QStringList fields = line.split(QLatin1Char('~'));
        tokens.append(fields[0] + (line.contains(RecordMarker) ? "*" : "") + fields[1]);
    }
    return tokens.join(QLatin1Char(' '));
}

NewRecord result(const QString &time, const QString &name = QStringLiteral("n")) {
    NewRecord record;
    record.time = time;
    record.name = name;
    record.setName = QStringLiteral("Animals");
    record.kind = 4;
    record.date = QStringLiteral("1/2/26");
    return record;
}

} // namespace

Q_DECLARE_METATYPE(MergeOutcome)
Q_DECLARE_METATYPE(RecordRank)

class TestRecords : public QObject {
    Q_OBJECT

  private slots:
    void merge_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("time");
        QTest::addColumn<MergeOutcome>("outcome");
        QTest::addColumn<QString>("after");
        using O = MergeOutcome;
        const QString full = "11a 12b 13c 14d 50*e 15f 16g 17h 18i 19j";
        const QString fullTwoSlowest = "11a 50b 13c 14d 50*e 15f 16g 17h 18i 19j";
        const QString nine = "11a 12b 13c 14d 15f 16g 17h 18i 19j";
        const struct {
            const char *name;
            QString before, time;
            MergeOutcome outcome;
            QString after;
        } cases[] = {
            {"first record into a fresh file", "999*u", "57", O::Added, "999*u 57n"},
            {"the marked line moves behind", "999*u 57n", "80", O::Added, "57n 999*u 80n"},
            {"a slower time takes the marker", "30a 40*b", "50", O::Added, "30a 40b 50*n"},
            {"an equal time: marker stays on the older", "30a 40*b", "40", O::Added,
             "30a 40*b 40n"},
            {"tenths compared as numbers", "9.5a 10.2*b", "9,9", O::Added, "9.5a 10.2*b 9,9n"},
            {"blank lines are left out", "_ 30a _ 40*b _", "35", O::Added, "30a 40*b 35n"},
            {"full: the slowest makes room", full, "45", O::Replaced, nine + " 45*n"},
            {"full: an equal time replaces the slowest", full, "50", O::Replaced, nine + " 50*n"},
            {"full: the first of two slowest is marked", fullTwoSlowest, "20", O::Replaced,
             "11a 50*b 13c 14d 15f 16g 17h 18i 19j 20n"},
            {"full: equal slowest stays on the older", fullTwoSlowest, "50", O::Replaced,
             "11a 50*b 13c 14d 15f 16g 17h 18i 19j 50n"},
            {"full: a slower time is dropped", full, "51", O::Dropped, nine + " 50*e"},
            {"eleven results", full + " 99k", "5", O::Refused, ""},
            {"ten results, no marker", nine + " 20e", "5", O::Refused, ""},
            {"no marker: the slowest takes it", "40a 30b 40c", "5", O::Added, "30b 40c 40*a 5n"},
            {"two markers: the slowest keeps it", "30*a 40*b", "5", O::Added, "30a 40*b 5n"},
            {"two markers, a slower time", "30*a 40*b", "50", O::Added, "30a 40b 50*n"},
            {"full, two markers", "11*a 12b 13c 14d 50*e 15f 16g 17h 18i 19j", "45", O::Replaced,
             nine + " 45*n"},
            {"a stored time that is not a number", "3x0a 40*b", "5", O::Refused, ""},
            {"the new time is not a number", "40*b", "Time", O::Refused, ""},
        };
        for (const auto &c : cases)
            QTest::newRow(c.name) << c.before << c.time << c.outcome << c.after;
    }
    void merge() {
        QFETCH(QString, before);
        QFETCH(QString, time);
        QFETCH(MergeOutcome, outcome);
        QFETCH(QString, after);
        const MergeResult merged = mergeRecord(table(before), result(time), English);
        QCOMPARE(merged.outcome, outcome);
        QCOMPARE(notation(merged.lines), after);
    }

    void faultsAreTold() {
        // Lines that are not results: the first one is named, in the interface language.
        const QStringList good = table("30a 40*b");
        for (const QString &bad : {QStringLiteral("12~only~three"), QStringLiteral("garbage"),
                                   QStringLiteral("~a~b~c~d")}) {
            const RecordTable faulty = recordTable(good + QStringList{"", bad, "x"}, English);
            QCOMPARE(faulty.fault, RecordTable::Fault::NotAResult);
            QCOMPARE(faulty.faultLine, 4);
            QCOMPARE(mergeRecord(faulty, result("5"), English).outcome, MergeOutcome::Refused);
        }
        const RecordTable notResults = recordTable({"x"}, English);
        QCOMPARE(refusedMergeMessage(notResults, "/t/record.txt", false),
                 QString("The record file /t/record.txt holds lines that are not results (the "
                         "first of them is line 1): the result will not be stored. Please "
                         "correct the file."));
        QVERIFY(refusedMergeMessage(notResults, "/t/record.txt", true)
                    .startsWith("В файле рекордов /t/record.txt есть строки"));
        // A hundred thousand results are refused at the eleventh, in the words the game
        // always used for a full table.
        const RecordTable many = recordTable(QStringList(100000, table("1a")[0]), English);
        QCOMPARE(many.fault, RecordTable::Fault::TooMany);
        QCOMPARE(many.results.size(), MaxRecords + 1);
        QVERIFY(refusedMergeMessage(many, "", false).startsWith("В файле рекордов больше 10"));
    }

    void fileFromScratchByteForByte() {
        QTemporaryDir dir;
        const QString path = dir.filePath("record.txt");
        // No file, an empty one or one of blank lines: the placeholder.
        for (const QByteArray &empty :
             {QByteArray("<none>"), QByteArray(), QByteArray(" \r\n\n")}) {
            if (empty != "<none>")
                writeFile(dir, "record.txt", empty);
            QVERIFY(EnsureRecordFile(path, "6/11/26"));
            QCOMPARE(readBytes(path), QByteArray("999~Unknown~Test~6~6/11/26~^\r\n"));
        }
        // A file that holds something is left alone.
        writeFile(dir, "record.txt", "\r\n5~a~b~4~d~^\r\n");
        QVERIFY(EnsureRecordFile(path, "6/11/26"));
        QCOMPARE(readBytes(path), QByteArray("\r\n5~a~b~4~d~^\r\n"));

        NewRecord record = result("57", QStringLiteral("Маша ~ä😀"));
        record.kind = KindNotChosen;
        const MergeResult merged = mergeRecord(*readRecordTable(path, English), record, English);
        QVERIFY(writeTextFileAtomic(path, merged.lines));
        QCOMPARE(readBytes(path),
                 QString("5~a~b~4~d\r\n57~Маша -ä😀~Animals~6~1/2/26~^\r\n").toUtf8());
    }

    void theMarkerIsNoField() {
        // A hand-edited line with four fields and the marker is no result: taking the marker
        // away would leave a line the table could never read again.
        QTemporaryDir dir;
        const QByteArray table = "9.0~Ann~Animals~4~1.2.26\r\n40~Bob~Animals~1.2.26~^\r\n";
        const QString path = writeFile(dir, "record.txt", table);
        QVERIFY(!parseRecordLine("40~Bob~Animals~1.2.26~^", English));
        QVERIFY(storeRecord(path, result("40.1"), "", false).contains("line 2"));
        QCOMPARE(readBytes(path), table);
        // A marker inside a line comes out whole, and what is written reads as what was read.
        const auto entry = parseRecordLine("5~a~b~4~d~^~^", English);
        QVERIFY(entry && entry->marked && entry->fields.size() == 5);
        const MergeResult merged = mergeRecord({"5~a~b~4~d~^~^"}, result("7"), English);
        QCOMPARE(merged.lines, (QStringList{"5~a~b~4~d", "7~n~Animals~4~1/2/26~^"}));
    }

    void storeKeepsTheOldTableWhenItCannot() {
        QTemporaryDir dir;
        const QString path = dir.filePath("record.txt");
        QCOMPARE(storeRecord(path, result("57"), "1/1/26", false), QString());
        const QByteArray stored = readBytes(path);
        QVERIFY(stored.startsWith("999~Unknown~Test~6~1/1/26~^\r\n57~n~"));

        // A disk that fills up during the write.
        QString said;
        QVERIFY(withFileSizeLimit(20, [&] { said = storeRecord(path, result("5"), "", true); }));
        QVERIFY(said.startsWith("Рекорд не записан.\n"));
        QVERIFY(said.contains(QDir::toNativeSeparators(path)));
        QCOMPARE(readBytes(path), stored);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"record.txt"});

        // A folder in its place cannot be read.
        QVERIFY(QDir().mkdir(dir.filePath("folder")));
        QCOMPARE(storeRecord(dir.filePath("folder"), result("5"), "", false),
                 "The record was not saved.\nCould not read " +
                     QDir::toNativeSeparators(dir.filePath("folder")));
    }

    void linesKeepFiveFieldsAndTimesReadEitherWay() {
        NewRecord record = result("13,8", QStringLiteral("^a~b\r\nc"));
        record.setName = QStringLiteral("~^set");
        record.date = QStringLiteral("2~3");
        const QString line = makeRecordLine(record);
        QCOMPARE(line, QStringLiteral("13,8~-a-b  c~-^set~4~2-3"));
        const auto entry = parseRecordLine(line, English);
        QVERIFY(entry && !entry->marked && entry->fields.size() == 5);
        QCOMPARE(recordDate(QDate(2026, 12, 6), Russian), QStringLiteral("06.12.2026"));
        for (const QLocale &locale : {English, Russian}) {
            QCOMPARE(parseRecordLine("13,8~a~b~4~d", locale)->time, 13.8f);
            QCOMPARE(parseRecordLine("13.8~a~b~4~d", locale)->time, 13.8f);
        }
        QVERIFY(!parseRecordLine("1,000.5~a~b~4~d", English) && !parseRecordLine("", English));
    }

    void rank_data() {
        const QString full = "11a 12b 13c 14d 50*e 15f 16g 17h 18i 19j";
        QTest::addColumn<QString>("stored");
        QTest::addColumn<float>("time");
        QTest::addColumn<RecordRank>("rank");
        QTest::newRow("default file, 57") << "999*u" << 57.f << RecordRank::FirstPlace;
        QTest::newRow("default file, 1000") << "999*u" << 1000.f << RecordRank::TopTen;
        QTest::newRow("equal to the best") << "30a 20b 40*c" << 20.f << RecordRank::FirstPlace;
        QTest::newRow("full, equal to the slowest") << full << 50.f << RecordRank::NoRecord;
        QTest::newRow("full, a second faster") << full << 49.f << RecordRank::TopTen;
        QTest::newRow("full, fastest") << full << 10.9f << RecordRank::FirstPlace;
        QTest::newRow("full, unmarked")
            << "1a 2b 3c 4d 5e 6f 7g 8h 9i 10j" << 0.f << RecordRank::NoRecord;
        QTest::newRow("full, the marker left on a faster one")
            << "11*a 12b 13c 14d 50e 15f 16g 17h 18i 19j" << 20.f << RecordRank::NoRecord;
        QTest::newRow("full, two markers")
            << "11*a 12b 13c 14d 50*e 15f 16g 17h 18i 19j" << 20.f << RecordRank::TopTen;
        QTest::newRow("eleven, all slower")
            << "1a 2b 3c 4d 5e 6f 7g 8h 9i 10j 11*k" << 0.f << RecordRank::NoRecord;
    }
    void rank() {
        QFETCH(QString, stored);
        QFETCH(float, time);
        QFETCH(RecordRank, rank);
        QCOMPARE(rankTime(recordTable(table(stored), English), time), rank);
        // A table the merge refuses offers no place, however fast the game.
        QCOMPARE(rankTime(recordTable(table(stored) << "oops", English), 0.f),
                 RecordRank::NoRecord);
    }

    void oldAndNewLinesKeepTheirNames() {
        QTemporaryDir dir;
        // A line of the older program (Windows-1251) among lines of this one (UTF-8).
        const QString path = writeFile(dir, "record.txt",
                                       "57~\xCC\xE0\xF8\xE0~Test~5~1.1.26~^\r\n42~"
                                       "\xD0\x9F\xD0\xB5\xD1\x82\xD1\x8F~Test~4~2.1.26\r\n");
        QCOMPARE(storeRecord(path, result("60"), "", false), QString());
        QCOMPARE(readBytes(path), QString("42~Петя~Test~4~2.1.26\r\n57~Маша~Test~5~1.1.26\r\n"
                                          "60~n~Animals~4~1/2/26~^\r\n")
                                      .toUtf8());
        QVERIFY(!readRecordTable(dir.filePath("missing.txt")));
        QVERIFY(!readRecordTable(dir.path()));
    }

    void rowsForTheView() {
        const QStringList lines = {
            "123~Ann~Animals~5~1.1.26",
            "5~Bob~Toys~4~2.1.26~^",
            "",
            "broken",
            "42~Cid~Food~9~3.1.26",
            "7,5~Dan~Food~7~4.1.26",
            "8~a~b~c~d",
            "99~x~y~6~z",
            "1~a~b~4~c",
            "2~a~b~4~c",
            "3~the eleventh~b~4~c~ignored",
        };
        const QVector<RecordRow> rows = recordRows(recordTable(lines, English));
        QCOMPARE(rows.size(), 8);
        QCOMPARE(rows[0].time, QStringLiteral("123"));
        QCOMPARE(rows[1].time, QStringLiteral("  5"));
        QCOMPARE(rows[2].time, QStringLiteral(" 42"));
        QCOMPARE(rows[3].time, QStringLiteral("  7,5"));
        QCOMPARE(rows[1].icon, 4);
        QCOMPARE(rows[2].icon, 0); // 9 is no picture of the list
        QCOMPARE(rows[4].icon, 0); // not a number
        QCOMPARE(rows.last().time, QStringLiteral("  2"));
    }

    void helpText() {
        QTemporaryDir dir;
        writeFile(dir, "help-e.txt", "How to play\r\n\r\nClick a card.\r\n");
        QCOMPARE(helpBoxText(dir.path(), "\\help-e.txt"),
                 QStringLiteral("\r\nHow to play\r\n\r\nClick a card."));
        QCOMPARE(helpBoxText(dir.path(), "\\help.txt"),
                 QStringLiteral("Do not find help file ") + dir.path() + "/help.txt");
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "test_records.moc"

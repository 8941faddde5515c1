// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The record file: its lines, the table as read, the merge that keeps ten results, the victory
// check, storing and erasing the file, and the rows of the records view.
#include "i18n/messages.h"
#include "records/recordcheck.h"
#include "records/recordfile.h"
#include "records/recordrows.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QLocale English(QLocale::English, QLocale::UnitedStates);
const QString Full = "11a 12b 13c 14d 50*e 15f 16g 17h 18i 19j";
const QString Nine = "11a 12b 13c 14d 15f 16g 17h 18i 19j";

// A table written as "57a 999*b _": each result's time, a star for the marker and a one-letter
// name; "_" is a blank line, and a token holding a "~" is a line as it stands.
QStringList lines(const QString &notation) {
    QStringList out;
    for (QString token : notation.split(' ', Qt::SkipEmptyParts)) {
        const bool marked = token.contains('*');
        token.remove('*');
        if (token == "_")
            token.clear();
        else if (!token.contains('~'))
            token = QString("%1~%2~S~4~d").arg(token.chopped(1), token.right(1));
        out.append(marked ? token + RecordMarker : token);
    }
    return out;
}

NewRecord result(const QString &time, const QString &name = "n") {
    return NewRecord{time, name, "S", 4, "d"};
}

QByteArray file(const QString &notation) {
    return (lines(notation).join("\r\n") + "\r\n").toUtf8();
}

QString native(const QString &path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

class TestRecords : public QObject {
    Q_OBJECT

  private slots:
    void table_data() {
        // The lines, then the fault, its line, the number of results and of lines read.
        QTest::addColumn<QString>("row");
        QTest::newRow("blank lines") << QString("_ 30a _ 40*b _ = none 0 2 5");
        QTest::newRow("eleven") << Full + " 99k = too many 11 11 11";
        QTest::newRow("ten unmarked") << Nine + " 20e = too many 10 10 10";
        QTest::newRow("no results") << QString("30a _ 12~a~b~c 40*b x~a~b~4~d = no result 3 2 5");
        // The merge stops at the first fault and the view needs the first ten lines only.
        QTest::newRow("a bad first line")
            << "x " + QString("1a ").repeated(20) + "= no result 1 9 10";
        QTest::newRow("huge") << QString("1*a ").repeated(100000) + "= too many 11 11 11";
    }
    void table() {
        QFETCH(QString, row);
        QTemporaryDir dir;
        const QString path = writeFile(dir, "record.txt", file(row.section('=', 0, 0)));
        const auto table = readRecordTable(path, English);
        QVERIFY(table);
        const QStringList faults = {" none", " too many", " no result"};
        QCOMPARE(faults[int(table->fault)] + QString::asprintf(" %d %d %d", table->faultLine,
                                                               int(table->results.size()),
                                                               table->linesRead),
                 row.section('=', 1));
    }

    void merge_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("time");
        // The rank (1 first place, T top ten, N none), the merge's outcome (A added, R replaced,
        // D dropped, - refused) and the lines it writes. (A table with a fault is refused: see
        // theFileOnDisk.)
        QTest::addColumn<QString>("after");
        const struct {
            const char *name;
            QString before, time, after;
        } rows[] = {
            {"a fresh file", "999*u", "57", "1A 999*u 57n"},
            {"a slower time takes the marker", "_ 30a _ 40*b _", "50", "TA 30a 40b 50*n"},
            {"an equal time leaves it", "30a 40*b", "40", "TA 30a 40*b 40n"},
            {"equal to the best", "30a 20b 40*c", "20", "1A 30a 20b 40*c 20n"},
            {"tenths as numbers", "9.5a 10.2*b", "9,9", "TA 9.5a 10.2*b 9,9n"},
            {"no marker: the first slowest", "40a 30b 40c", "5", "1A 30b 40c 40*a 5n"},
            {"two markers: the slowest", "30*a 40*b", "5", "1A 30a 40*b 5n"},
            {"full, fastest", Full, "10.9", "1R 11a 12b 13c 14d 15f 16g 17h 18i 19*j 10.9n"},
            {"full: the marked one makes room", Full, "45", "TR " + Nine + " 45*n"},
            {"full: an equal time replaces it", Full, "50", "NR " + Nine + " 50*n"},
            {"full: the first of two slowest marked", "11a 50b 13c 14d 50*e 15f 16g 17h 18i 50j",
             "20", "TR 11a 50*b 13c 14d 15f 16g 17h 18i 50j 20n"},
            {"full: a slower time dropped", Full, "51", "ND " + Nine + " 50*e"},
            {"full, the marker left on a faster one", "11*a 12b 13c 14d 50e 15f 16g 17h 18i 19j",
             "20", "ND 12b 13c 14d 50e 15f 16g 17h 18i 19j 11*a"},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << row.before << row.time << row.after;
    }
    void merge() {
        QFETCH(QString, before);
        QFETCH(QString, time);
        const float seconds = QString(time).replace(',', '.').toFloat();
        const RecordRank rank = rankTime(recordTable(lines(before), English), seconds);
        const MergeResult merged = mergeRecord(lines(before), result(time), English);
        QString after = QString("1TN").mid(int(rank), 1) + QString("DRA-").at(int(merged.outcome));
        for (const QString &line : merged.lines) {
            const QStringList fields = line.split('~');
            after += ' ' + fields[0] + (line.contains(RecordMarker) ? "*" : "") + fields[1];
        }
        QTEST(after, "after");
        QCOMPARE(merged.lines.join("").count(RecordMarker), merged.lines.isEmpty() ? 0 : 1);
    }

    void recordLineKeepsFiveFields() {
        QCOMPARE(makeRecordLine({"13,8", "^a~b\r\nc", "~^set", 4, "2~3"}),
                 QString("13,8~-a-b  c~-^set~4~2-3"));
    }

    void theFileOnDisk() {
        QTemporaryDir dir;
        const QString path = dir.filePath("record.txt");
        // A disk too full for the placeholder: no file, and the reason.
        QString error;
        QVERIFY(withFileSizeLimit(10, [&] { QVERIFY(!EnsureRecordFile(path, "d", &error)); }));
        QVERIFY(!error.isEmpty() && !QFile::exists(path));
        // No file, an empty one or one of blank lines (left by a crash): the placeholder.
        for (const QByteArray &empty : {QByteArray("-"), QByteArray(), QByteArray(" \r\n\n")}) {
            if (empty != "-")
                writeFile(dir, "record.txt", empty);
            QVERIFY(EnsureRecordFile(path, "6/11/26"));
            QCOMPARE(readBytes(path), QByteArray("999~Unknown~Test~6~6/11/26~^\r\n"));
        }
        // A table is kept, and the result joins it.
        writeFile(dir, "record.txt", "\r\n5~a~b~4~d~^\r\n");
        QCOMPARE(storeRecord(path, result("57", "Маша"), "6/11/26", false), QString());
        const QByteArray stored = QString("5~a~b~4~d\r\n57~Маша~S~4~d~^\r\n").toUtf8();
        QCOMPARE(readBytes(path), stored);
        // Tables the game cannot rewrite are left as they are.
        const QByteArray bad = "9~a~S~4~d\r\n40~b~S~d~^\r\n";
        writeFile(dir, "record.txt", bad);
        QCOMPARE(storeRecord(path, result("5"), "", false),
                 message(Msg::NotResults, false).arg(native(path)).arg(2));
        QCOMPARE(readBytes(path), bad);
        writeFile(dir, "record.txt", file(Full + " 99k"));
        QCOMPARE(storeRecord(path, result("5"), "", true), message(Msg::TooManyResults, true));
        // Erased; a folder in its place can neither take a result nor go.
        QCOMPARE(eraseRecordFile(path, false), QString());
        QVERIFY(!QFile::exists(path) && QDir().mkdir(path));
        QCOMPARE(storeRecord(path, result("5"), "", false),
                 message(Msg::RecordNotSaved, false) + "\nCould not read " + native(path));
        QCOMPARE(eraseRecordFile(path, true),
                 message(Msg::RecordsNotErased, true) + "\n" + native(path) + " is a folder.");
    }

    void rowsForTheView() {
        const QStringList text = lines("123~Ann~Toys~8~1.1.26 _ 5~b~S~1~d 10~c~S~9~d 9,5~d~S~0~d "
                                       "99~e~S~c~d 100~f~S~4~d 1g 2h _ 3*i");
        const QVector<RecordRow> rows = recordRows(recordTable(text, English));
        QStringList cells;
        for (const RecordRow &row : rows)
            cells << row.time + '|' + QString::number(row.icon);
        // The eleventh line is beyond the view; only icons 1 to 8 are pictures of its list.
        QCOMPARE(cells, (QStringList{"123|8", "  5|1", " 10|0", "  9,5|0", " 99|0", "100|4",
                                     "  1|4", "  2|4"}));
        QCOMPARE(rows[0].name + rows[0].setName + rows[0].date, QString("AnnToys1.1.26"));
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "test_records.moc"

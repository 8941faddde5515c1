// The riddle file's cutting, the right answers, the random pick, stepping and the verdicts.
#include "riddles/riddlefile.h"
#include "riddles/riddlerules.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

namespace {

const QString CrLf = QStringLiteral("\r\n");

// The riddles a file of these bytes shows, in order.
QStringList shownRiddles(const QByteArray &bytes) {
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("zagi.txt"), bytes);
    const QStringList riddles = cutRiddles(readRiddleText(path, CrLf));
    QStringList shown;
    for (int n = 0; n < riddles.size(); ++n)
        shown.append(shownRiddle(riddles, n, CrLf));
    return shown;
}

} // namespace

class RiddleTest : public QObject {
    Q_OBJECT

  private slots:
    void cuttingTheFile_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("markers on lines of their own")
            << QByteArray("A\r\nB\r\n***\r\nC\r\n") << QStringList{"A\r\nB\r\n", "C"};
        QTest::newRow("text after a marker joins the next line")
            << QByteArray("A\r\n***X\r\nB\r\n") << QStringList{"A\r\n", "XB"};
        QTest::newRow("four asterisks leave one for the next riddle")
            << QByteArray("A\r\n****\r\nB\r\n") << QStringList{"A\r\n", "*B"};
        QTest::newRow("markers back to back give an empty riddle")
            << QByteArray("A\r\n***\r\n***\r\nB") << QStringList{"A\r\n", "", "B"};
        QTest::newRow("lines ended by LF alone")
            << QByteArray("A\nB\n***\nC\n") << QStringList{"A\r\nB\r\n", "C"};
        QTest::newRow("Windows-1251 text")
            << QByteArray("\xd7\xfc\xe8 \xfd\xf2\xee \xf1\xeb\xee\xe2\xe0?\r\n***\r\n\xb8\r\n")
            << QStringList{QStringLiteral("Чьи это слова?\r\n"), QStringLiteral("ё")};
        QTest::newRow("an empty file holds no riddles") << QByteArray() << QStringList{};
    }
    void cuttingTheFile() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, shown);
        QCOMPARE(shownRiddles(file), shown);
    }

    void aRiddleTheFileDoesNotHoldReadsEmpty() {
        const QStringList riddles = cutRiddles(CrLf + "A" + CrLf + "***" + CrLf + "B");
        QCOMPARE(shownRiddle(riddles, 1, CrLf), QStringLiteral("B"));
        QCOMPARE(shownRiddle(riddles, 2, CrLf), QString());
        QCOMPARE(shownRiddle({}, 0, CrLf), QString());
        QCOMPARE(readRiddleText(QStringLiteral("/no/such/zagi.txt"), CrLf), QString());
    }

    void aHugeFileGivesItsFirstRiddles() {
        QTemporaryDir dir;
        QByteArray huge("A\r\n***\r\n");
        huge.append(QByteArray(2 * 1024 * 1024, 'x'));
        const QStringList riddles =
            cutRiddles(readRiddleText(writeFile(dir, QStringLiteral("zagi.txt"), huge), CrLf));
        QCOMPARE(riddles.size(), 2);
        QCOMPARE(shownRiddle(riddles, 0, CrLf), QStringLiteral("A\r\n"));
        QVERIFY(riddles[1].size() < 100 * 1024);
    }

    void filesOfTheRiddlesFolder() {
        QCOMPARE(riddleFilePath(QStringLiteral("/games/k")),
                 QStringLiteral("/games/k/zagadki/zagi.txt"));
        QCOMPARE(riddlePicturePath(QStringLiteral("/games/k"), QStringLiteral("5"), 2),
                 QStringLiteral("/games/k/zagadki/z5-2.gif"));
        QCOMPARE(riddlePointerPath(QStringLiteral("/games/k"), 1),
                 QStringLiteral("/games/k/zagadki/141.ico"));
    }

    void theRightPictureIsTheNumberModThree() {
        const int expected[14] = {0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1, 2, 0, 1};
        for (int n = 0; n < 14; ++n)
            QCOMPARE(answerPicture(n), expected[n]);
    }

    void theRandomPickNeverDrawsTheLastRiddle() {
        QCOMPARE(randomRiddle(14, 0.0), 0);
        QCOMPARE(randomRiddle(14, 0.5), 6);
        QCOMPARE(randomRiddle(14, 12.0 / 13.0 - 1e-12), 11);
        QCOMPARE(randomRiddle(14, 12.0 / 13.0), 12);
        // The largest draws below 1, single and double precision.
        QCOMPARE(randomRiddle(14, std::nextafter(1.0, 0.0)), 12);
        QCOMPARE(randomRiddle(14, static_cast<double>(std::nextafter(1.0f, 0.0f))), 12);
        QCOMPARE(randomRiddle(14, 0.9999999), 12);
        QCOMPARE(randomRiddle(14, std::nan("")), 0);
    }

    void steppingWrapsBothWays() {
        QCOMPARE(steppedRiddle(12, 14, true), 13);
        QCOMPARE(steppedRiddle(13, 14, true), 0);
        QCOMPARE(steppedRiddle(0, 14, false), 13);
        QCOMPARE(steppedRiddle(13, 14, false), 12);
        // Fourteen steps either way come back to the start.
        int forward = 5, backward = 5;
        for (int i = 0; i < 14; ++i) {
            forward = steppedRiddle(forward, 14, true);
            backward = steppedRiddle(backward, 14, false);
        }
        QCOMPARE(forward, 5);
        QCOMPARE(backward, 5);
    }

    void verdictsPraiseOrReprove() {
        const auto words = verdictWords();
        QCOMPARE(words[0], QStringLiteral("МОЛОДЕЦ"));
        QCOMPARE(words[8], QStringLiteral("Нет. Попробуй ещё."));
        QVERIFY(words[10].isEmpty());
        const double draws[] = {0.0, 0.19999, 0.2, 0.5, 0.8, std::nextafter(1.0, 0.0)};
        const int praise[] = {0, 0, 1, 2, 4, 4};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(verdictIndex(true, draws[i]), praise[i]);
            QCOMPARE(verdictIndex(false, draws[i]), praise[i] + 5);
        }
    }
};

QTEST_APPLESS_MAIN(RiddleTest)
#include "test_riddles.moc"

// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The riddle file, the riddle rules and the riddle on show, without windows.
#include "riddles/riddle.h"
#include "riddles/riddlefile.h"
#include "testfiles.h"

#include <QDir>
#include <QtTest>
#include <cmath>

class RiddleTest : public QObject {
    Q_OBJECT

  private slots:
    // What the player reads of each riddle of a file of these bytes (a null file: none at all).
    void readingTheFile_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("markers on lines of their own, back to back")
            << QByteArray("A\r\nB\r\n***\r\n***\r\nC") << QStringList{"A\r\nB\r\n", "", "C"};
        QTest::newRow("a marker wherever it stands")
            << QByteArray("A\r\n****X\r\nB\r\n") << QStringList{"A\r\n", "*XB"};
        QTest::newRow("an empty file") << QByteArray("") << QStringList{};
        QTest::newRow("no file") << QByteArray() << QStringList{};
    }
    void readingTheFile() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, shown);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("zagadki"));
        if (!file.isNull())
            QVERIFY(!writeFile(dir, "zagadki/zagi.txt", file).isEmpty());
        Riddle riddle(dir.path());
        riddle.read();
        QStringList seen;
        // One riddle past the file's last, which reads as empty.
        for (int n = 0; n <= shown.size(); ++n)
            seen << (riddle.show(n), riddle.text());
        QCOMPARE(seen, shown << QString());
    }

    // The pictures are stored so that riddle n's right one is n mod 3.
    void eachRiddleHasOneRightPictureOfItsOwn() {
        Riddle riddle(QStringLiteral("/k"));
        QCOMPARE(riddleFilePath("/k"), QStringLiteral("/k/zagadki/zagi.txt"));
        QCOMPARE(riddle.pointerPath(1), QStringLiteral("/k/zagadki/141.ico"));
        for (int n = 0; n < RiddleCount; ++n) {
            riddle.show(n);
            QCOMPARE(riddle.picturePath(2), QStringLiteral("/k/zagadki/z%1-2.gif").arg(n));
            QCOMPARE(riddle.answer(), n % 3);
            QCOMPARE(riddle.hasOwnPointers(), n == 13);
        }
    }

    // The whole part of 13 r: the last riddle, 13, is never drawn.
    void drawingARiddle() {
        const std::pair<double, int> draws[] = {
            {0.5, 6}, {12.0 / 13.0 - 1e-12, 11}, {12.0 / 13.0, 12}, {std::nextafter(1.0, 0.0), 12}};
        for (const auto &[r, number] : draws)
            QCOMPARE(randomRiddle(RiddleCount, r), number);
    }

    void steppingWrapsBothWays() {
        Riddle riddle{QString()};
        riddle.show(12);
        QList<int> seen;
        for (bool forward : {true, true, false, false, false})
            seen << (riddle.step(forward), riddle.number());
        QCOMPARE(seen, (QList<int>{13, 0, 13, 12, 11}));
        QCOMPARE(riddle.answer(), 2);
    }

    // Riddle 4's right picture is the second; five words praise, five reprove.
    void theVerdictOnAnAnswer() {
        Riddle riddle{QString()};
        riddle.show(4);
        QStringList words;
        for (double r : {0.0, 0.2, 0.99999})
            words << riddle.judge(1, r).words << riddle.judge(2, r).words;
        QCOMPARE(words, (QStringList{"МОЛОДЕЦ", "Тупица.", "ЗВЕЗДОЧЕТУС", "Тугодум.", "БОТАНИК",
                                     "Дубина."}));
    }
};

QTEST_APPLESS_MAIN(RiddleTest)
#include "test_riddles.moc"

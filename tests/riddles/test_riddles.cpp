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
    // What the player reads of each riddle of a file (a null file: none at all): markers on lines
    // of their own, back to back; a marker wherever it stands; an empty file; no file. One riddle
    // past the file's last reads as empty.
    void readingTheFile() {
        const std::pair<QByteArray, QStringList> files[] = {
            {"A\r\nB\r\n***\r\n***\r\nC", {"A\r\nB\r\n", "", "C"}},
            {"A\r\n****X\r\nB\r\n", {"A\r\n", "*XB"}},
            {"", {}},
            {QByteArray(), {}}};
        for (auto [file, shown] : files) {
            QTemporaryDir dir;
            QVERIFY(QDir(dir.path()).mkdir("zagadki"));
            if (!file.isNull())
                QVERIFY(!writeFile(dir, "zagadki/zagi.txt", file).isEmpty());
            Riddle riddle(dir.path());
            riddle.read();
            QStringList seen;
            for (int n = 0; n <= shown.size(); ++n)
                seen << (riddle.show(n), riddle.text());
            QCOMPARE(seen, shown << QString());
        }
    }

    // The pictures are stored so that riddle n's right one is n mod 3; only the last has pointers
    // of its own. A riddle is drawn as 13 r rounded down: the last one, 13, never is. Riddle
    // 4's right picture is the second; five words praise, five reprove.
    void theRules() {
        Riddle riddle{QString()};
        for (int n = 0; n < RiddleCount; ++n) {
            riddle.show(n);
            QVERIFY(riddle.answer() == n % 3 && riddle.hasOwnPointers() == (n == 13));
        }
        const std::pair<double, int> draws[] = {
            {0.5, 6}, {12.0 / 13.0 - 1e-12, 11}, {12.0 / 13.0, 12}, {std::nextafter(1.0, 0.0), 12}};
        for (const auto &[r, number] : draws)
            QCOMPARE(randomRiddle(RiddleCount, r), number);
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

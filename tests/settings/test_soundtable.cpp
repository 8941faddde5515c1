// The sound table for sound on, off after on, and off from the start.
#include "settings/soundtable.h"

#include <QtTest>

class TestSoundTable : public QObject {
    Q_OBJECT

  private slots:
    void soundOnNamesEachFile();
    void soundOffAfterOnSilencesEverySlot();
    void soundOffFromStartLeavesSlotsEmpty();
};

void TestSoundTable::soundOnNamesEachFile() {
    std::array<QString, 6> table;
    QCOMPARE(fillSoundTable(table, "/app", true), QStringLiteral("Snd off"));
    const char *names[6] = {"No", "click1", "click2", "victory", "victory1", "victory10"};
    for (int slot = 0; slot < 6; ++slot)
        QCOMPARE(table[slot], QStringLiteral("/app/sounds/%1.wav").arg(names[slot]));
}

void TestSoundTable::soundOffAfterOnSilencesEverySlot() {
    std::array<QString, 6> table;
    fillSoundTable(table, "/app", true);
    QCOMPARE(fillSoundTable(table, "/app", false), QStringLiteral("Snd on"));
    for (const QString &file : table)
        QCOMPARE(file, QStringLiteral("/app/sounds/No.wav"));
    // And on again: each slot has its own file once more.
    fillSoundTable(table, "/app", true);
    QCOMPARE(table[SoundSlot::TopTen], QStringLiteral("/app/sounds/victory10.wav"));
}

void TestSoundTable::soundOffFromStartLeavesSlotsEmpty() {
    std::array<QString, 6> table;
    fillSoundTable(table, "/app", false);
    for (const QString &file : table)
        QVERIFY(file.isEmpty());
}

QTEST_GUILESS_MAIN(TestSoundTable)
#include "test_soundtable.moc"

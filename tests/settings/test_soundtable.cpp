// The sound table with sound on, off after on, and off from the start of the run.
#include "settings/soundtable.h"

#include <QtTest>

class TestSoundTable : public QObject {
    Q_OBJECT

  private slots:
    void onOffOn() {
        std::array<QString, 6> table;
        // Off from the start: nothing to copy yet, so every slot stays silent and empty.
        QCOMPARE(fillSoundTable(table, "/app", false), QStringLiteral("Snd on"));
        QVERIFY(
            std::all_of(table.begin(), table.end(), [](const QString &f) { return f.isEmpty(); }));

        QCOMPARE(fillSoundTable(table, "/app", true), QStringLiteral("Snd off"));
        const char *names[6] = {"No", "click1", "click2", "victory", "victory1", "victory10"};
        for (int slot = 0; slot < 6; ++slot)
            QCOMPARE(table[slot], QStringLiteral("/app/sounds/%1.wav").arg(names[slot]));

        fillSoundTable(table, "/app", false);
        for (const QString &file : table)
            QCOMPARE(file, QStringLiteral("/app/sounds/No.wav"));
    }
};

QTEST_GUILESS_MAIN(TestSoundTable)
#include "test_soundtable.moc"

// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings file read by line position and written with its five keys, the sound table, the
// backgrounds' looks, and the options' choices applied, saved and given up on the game model.
// (A folder that cannot be written is the faults test's.)
#include "modeldriver.h"
#include "testfiles.h"

#include <QtTest>

namespace {

// Rows written "input => outcome": the input is the row's tag.
void table(std::initializer_list<const char *> rows) {
    QTest::addColumn<QString>("expected");
    for (const QString row : rows)
        QTest::newRow(row.section(" => ", 0, 0).toUtf8()) << row.section(" => ", 1);
}
QString tag() {
    return QString::fromUtf8(QTest::currentDataTag());
}
const QByteArray OneRecord("999~Unknown~Colours~6~1.1.2026~^\r\n");

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m = std::make_unique<Model>(m_dir->path());
    }

    // The input is the settings file, "|" a line break and "#" a line far too long; the outcome
    // gives places 0 to 5, then the choices, the language, the sound label and a click's sound.
    void chooseIni_data() {
        table(
            {"(none) => 0|0|1|1|0| 0 0 1 0 1 Sound click1.wav",
             "optP=5|optFon=2|0|Localisation=0|1 => 5|2|0|0|1| 5 2 0 1 0 Звук ",
             "optFon=3 ||chks.Value= 1|x=a=b| => 3 || 1|a=b|0| 3 0 1 0 1 Sound click1.wav",
             "2.5| 3,5 |0,6|0.4|0.6|f=6|g=7 => 2.5| 3,5 |0,6|0.4|0.6|6 2 4 1 1 0.4 Звук click1.wav",
             "7|-1|2|1e60|0.4 => 7|-1|2|1e60|0.4| 0 0 1 0 1 Sound click1.wav",
             "optFon=5|optP=1|#|0 => 5|1|1|1|0| 5 1 1 0 1 Sound click1.wav"});
    }
    void chooseIni() {
        if (tag() != "(none)")
            writeFile(*m_dir, "Kestrova.ini",
                      tag().replace('|', "\r\n").replace('#', QString(99999, '1')).toUtf8());
        m->model.ChooseIni();
        m->model.play(SoundSlot::Click);
        const IniValues &ini = m->model.iniValues();
        const Choices &c = m->model.choices();
        QTEST(QStringList(ini.begin(), ini.end()).join('|') +
                  QString::asprintf(" %d %d %d %d %g %s ", c.background, c.pictureSet, c.sound,
                                    c.riddleAtStart, m->model.language().setting(),
                                    qUtf8Printable(m->model.soundCaption())) +
                  m->sound.played.join(' ').remove(m_dir->path() + "/sounds/"),
              "expected");
    }

    void writtenLines() {
        IniValues ini{"4", "6", "1", "1", "0", "never written"};
        QCOMPARE(settingsFileLines(ini, 0, *languageValue("0.4"), 1).join('|'),
                 "optFon=4|optP=6|chks.Value=0|Localisation=0.4|chkz.Value=1");
        QCOMPARE(settingsFileLines(ini, 1, *languageValue("-0"), 0)[3], "Localisation=0");
    }

    void backgrounds_data() { // card colour (0,0,0 for none), the plain look, picture
        table({"0 => 200,200,200 plain back0.jpg", "1 => 225,205,190 - back1.jpg",
               "2 => 255,197,85 - back2.jpg", "3 => 134,138,163 - back3.jpg",
               "4 => 239,96,162 - back4.jpg", "5 => 255,197,85 - back5.jpg",
               "6 => 188,188,174 - back6.jpg", " 3 => 0,0,0 - back 3.jpg",
               "03 => 0,0,0 - back03.jpg", "7 => 0,0,0 - back7.jpg", "../x => 0,0,0 - ",
               "..\\x => 0,0,0 - "});
    }
    void backgrounds() {
        const BackgroundLook look = backgroundLook("/app", tag());
        const Rgb card = look.card.value_or(Rgb{});
        QTEST(QString::asprintf("%d,%d,%d %s ", card.red, card.green, card.blue,
                                look.plain ? "plain" : "-") +
                  QString(look.picture).remove("/app/back/"),
              "expected");
    }

    // Apply: this run only; Cancel: the time spent in the window given back; OK: both choices
    // and the switches saved, the board cleared and, when ticked, the hall of fame erased.
    void applyCancelAndOk() {
        GameModel &g = m->model;
        const QString ini = m_dir->filePath("Kestrova.ini"), record = m_dir->filePath("record.txt");
        writeFile(*m_dir, "record.txt", OneRecord);
        g.ChooseIni();
        g.ChangePicSet();
        QString seen;
        connect(&g, &GameModel::lookChanged, this,
                [&] { seen = QString::number(g.look().card->red) + ' ' + g.look().picture; });
        g.chooseBackground(4);
        g.applyBackground();
        QCOMPARE(seen, "239 " + m_dir->filePath("back/back4.jpg"));
        g.clock().secondsStep();
        g.clock().hold(); // the options window opens
        g.clock().secondsStep();
        g.setEraseRecords(true);
        g.cancelOptions();
        QVERIFY(g.clock().seconds() == 1 && !g.choices().eraseRecords && !QFile::exists(ini));
        g.clickCard(0);
        g.choosePictureSet(1);
        g.setSound(false);
        g.setRiddleAtStart(true);
        g.SetLanguage(Language(Lang::Russian));
        QCOMPARE(g.acceptOptions() + g.finishOptions(), QString());
        QCOMPARE(readBytes(ini),
                 "optFon=4\r\noptP=1\r\nchks.Value=0\r\nLocalisation=0\r\nchkz.Value=1\r\n");
        QVERIFY(!g.board().FaceUp[0] && g.board().OpenPairs == 0 && g.clock().seconds() == 0);
        QCOMPARE(readBytes(record), OneRecord); // not ticked: kept
        g.setEraseRecords(true);
        QCOMPARE(g.acceptOptions() + g.finishOptions(), QString());
        QVERIFY(!QFile::exists(record) && !g.choices().eraseRecords);
    }

    // The sound switch takes effect at once: the sound table is filled when the label is told its
    // caption, which names the next click.
    void soundSwitchAtOnce() {
        GameModel &g = m->model;
        g.ChooseIni();
        QStringList said; // each caption with the sound of every slot at that moment
        connect(&g, &GameModel::soundCaptionChanged, this, [&](const QString &caption) {
            m->sound.played.clear();
            for (int slot = 0; slot < SoundSlot::Count; ++slot)
                g.play(slot);
            said << caption + ' ' + m->sound.played.join(' ').remove(m_dir->path() + "/sounds/");
        });
        g.toggleSound();
        g.setSound(false);
        g.setSound(true);
        QCOMPARE(said.join('|'), "Snd on No.wav No.wav No.wav No.wav No.wav No.wav|Snd off No.wav "
                                 "click1.wav click2.wav victory.wav victory1.wav victory10.wav");
    }

  private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Model> m;
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"

// Drives a whole program in a test: its own application folder, scripted draws, recorded sounds.
#pragma once

#include "fakes.h"
#include "game/board.h"
#include "game/cardwidget.h"
#include "game/form1.h"
#include "game/program.h"
#include "settings/form2.h"
#include "ui/picturecache.h"
#include "ui/programstate.h"
#include "ui/randomsource.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// A picture set of `count` distinct coloured pictures 0.gif, 1.gif, ... and its name file.
inline void writeSet(const QString &folder, int count, const QByteArray &name) {
    QDir().mkpath(folder);
    for (int n = 0; n < count; ++n) {
        QImage image(90, 80, QImage::Format_RGB32);
        image.fill(QColor::fromHsv(n * 15, 200, 230));
        image.save(QStringLiteral("%1/%2.gif").arg(folder).arg(n), "PNG");
    }
    QFile f(folder + "/setname.txt");
    if (f.open(QIODevice::WriteOnly))
        f.write(name + "\r\n");
}

struct Game {
    // A game in `appFolder`; a picture set other than 0 is chosen through the settings file.
    // `draws` are the first random draws of the start-up, the rest come from a fixed seed.
    // The game writes its files into `writeFolder`, by default the application folder.
    explicit Game(const QString &appFolder, int set = 0, QVector<double> draws = {},
                  const QString &writeFolder = QString())
        : random(std::move(draws), 7), program(state, random, sound, pictures) {
        state.appFolder = appFolder;
        state.WriteFolder = writeFolder.isEmpty() ? appFolder : writeFolder;
        if (set != 0) {
            QFile ini(state.WriteFolder + "/Kestrova.ini");
            if (ini.open(QIODevice::WriteOnly))
                ini.write(QStringLiteral("optFon=0\r\noptP=%1\r\n").arg(set).toLatin1());
        }
        window = &program.showMainWindow();
    }
    ProgramState state;
    ScriptedRandom random;
    RecordingSound sound;
    PictureCache pictures;
    Program program;
    Form1 *window = nullptr;

    void click(int k) { QTest::mouseClick(window->Foto[k], Qt::LeftButton); }
    // Opens every pair in order; the last pair wins the game.
    void win() {
        for (const auto &pair : pairs()) {
            click(pair.first);
            click(pair.second);
        }
    }
    // Wins the game, which offers a record, and stores it with "To records".
    void winAndStore() {
        win();
        QVERIFY(window->Frame2->isVisible() && window->cmdEND[2]->isEnabled());
        QTest::mouseClick(window->cmdEND[2], Qt::LeftButton);
        QVERIFY(!window->Frame2->isVisible());
    }
    QString file(const char *sound) const {
        return state.appFolder + QStringLiteral("/sounds/%1.wav").arg(sound);
    }
    // The cards that belong together, read from the deal.
    QVector<QPair<int, int>> pairs() const {
        QVector<QPair<int, int>> result;
        const Board &b = window->board;
        for (int a = 0; a < CardCount; ++a)
            for (int c = a + 1; c < CardCount; ++c)
                if (b.NumberPairMode ? qAbs(Board::pictureNumber(b.CardPic[a]) -
                                            Board::pictureNumber(b.CardPic[c])) == PairCount
                                     : b.CardPic[a] == b.CardPic[c])
                    result.append({a, c});
        return result;
    }
};

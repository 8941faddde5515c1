// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Drives a whole program in a test: its own application folder, scripted draws, recorded sounds.
// The windows' controls are reached by their names, as a player reaches them by their places.
#pragma once

#include "game/cardwidget.h"
#include "game/form1.h"
#include "game/program.h"
#include "modal.h"
#include "modeldriver.h"
#include "settings/form2.h"
#include "testfiles.h"
#include "ui/picturecache.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QtTest>

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

// A control of a window by its name, such as "cmdTOP(0)"; the test stops when there is none.
template <typename T = QWidget> T *child(const QObject *window, const QString &name) {
    T *control = window->findChild<T *>(name);
    if (!control)
        qFatal("no control %s", qPrintable(name));
    return control;
}

// A game in `appFolder` with its windows; a picture set other than 0 is chosen through the
// settings file.
struct Game : Model {
    explicit Game(const QString &appFolder, int set = 0, QVector<double> draws = {},
                  const QString &writeFolder = QString(), bool writable = true)
        : Model(appFolder, std::move(draws), writeFolder, writable), program(model, pictures) {
        if (set != 0) {
            QFile ini(model.writeFolder() + "/Kestrova.ini");
            if (ini.open(QIODevice::WriteOnly))
                ini.write(QStringLiteral("optFon=0\r\noptP=%1\r\n").arg(set).toLatin1());
        }
        window = &program.showMainWindow();
    }
    PictureCache pictures;
    Program program;
    Form1 *window = nullptr;

    template <typename T = QWidget> T *get(const QString &name) const {
        return child<T>(window, name);
    }
    // A control of the options window, which is built on first use.
    template <typename T = QWidget> T *option(const QString &name) {
        return child<T>(&program.form2(), name);
    }
    CardWidget *card(int k) const { return get<CardWidget>(QStringLiteral("Foto(%1)").arg(k)); }
    QString time() const { return get<QLabel>("lblTime")->text(); }
    bool frameShown() const { return get("Frame2")->isVisible(); }
    void press(const QString &name) const { QTest::mouseClick(get(name), Qt::LeftButton); }

    void click(int k) { QTest::mouseClick(card(k), Qt::LeftButton); }
    // Opens every pair in order; the last pair wins the game.
    void win() {
        for (const auto &pair : pairsOf(model.board())) {
            click(pair.first);
            click(pair.second);
        }
    }
    // Wins the game, which offers a record, and stores it with "To records".
    void winAndStore() {
        win();
        QVERIFY(frameShown() && get("cmdEND(2)")->isEnabled());
        press("cmdEND(2)");
        QVERIFY(!frameShown());
    }
    QString file(const char *sound) const {
        return model.appFolder() + QStringLiteral("/sounds/%1.wav").arg(sound);
    }
};

// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's start-up is over when the main window is painted with every card laid out and dealt;
// its sound back end, loaded after that paint, is timed from it.
#include "startprobe.h"

#include "game/cardwidget.h"
#include "game/form1.h"
#include "game/gamemodel.h"
#include "ui/soundloader.h"

#include <QCoreApplication>
#include <QString>

StartWindow startWindowState(QWidget *window, QString *why) {
    auto *form = qobject_cast<Form1 *>(window);
    if (!form)
        return StartWindow::Other;
    for (int k = 0; k < CardCount; ++k) {
        const auto *card = form->findChild<CardWidget *>(QStringLiteral("Foto(%1)").arg(k));
        if (!card || !card->isVisible()) {
            *why = QStringLiteral("card %1 is not on the window").arg(k);
            return StartWindow::Wrong;
        }
        if (form->model().board().CardPic[k].isEmpty()) {
            *why = QStringLiteral("card %1 is not dealt").arg(k);
            return StartWindow::Wrong;
        }
    }
    return StartWindow::Ready;
}

// The sound loader is the application's child named "sound" (see main.cpp). The program is run
// from a copy of its application folder, which holds the plug-in beside it: it must load.
QString watchStartReady(QWidget *, const StartReadyReport &report) {
    auto *sound = QCoreApplication::instance()->findChild<SoundLoader *>(
        QStringLiteral("sound"), Qt::FindDirectChildrenOnly);
    if (!sound) {
        report(false,
               QStringLiteral("the sound is not ready: the application has no sound loader named "
                              "\"sound\""));
    } else if (sound->isReady()) {
        report(true, {});
    } else {
        QObject::connect(sound, &SoundLoader::finished, sound, [report](bool ready) {
            report(ready, ready ? QString()
                                : QStringLiteral("the sound is not ready: no sound plug-in loaded, "
                                                 "neither beside the program in %1 nor from the "
                                                 "installed library folder")
                                      .arg(QCoreApplication::applicationDirPath()));
        });
    }
    return QStringLiteral("the sound");
}

// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's start-up is over when the main window is painted with every card laid out and dealt.
#include "startprobe.h"

#include "game/cardwidget.h"
#include "game/form1.h"
#include "game/gamemodel.h"

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

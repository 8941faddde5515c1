// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for the game's start-up: an empty window of the main window's size, with the
// application set up as the game sets it up.
#include "startprobe.h"

#include <QApplication>
#include <QString>
#include <QWidget>

namespace {
const QSize WindowSize(641, 425);
}

StartWindow startWindowState(QWidget *window, QString *) {
    return window->size() == WindowSize ? StartWindow::Ready : StartWindow::Other;
}

// Nothing is readied after the first paint.
QString watchStartReady(QWidget *, const StartReadyReport &) {
    return {};
}

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrova"));
    QApplication::setQuitOnLastWindowClosed(false);
    QWidget window;
    window.setFixedSize(WindowSize);
    window.show();
    return QApplication::exec();
}

// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for a window that draws text: a window of the main window's size with a label where
// each of the 24 cards stands, each showing its number, so that the font system starts as it does
// in any program that writes a word. The application is set up as the game sets it up.
#include "startprobe.h"

#include "game/layout.h"

#include <QApplication>
#include <QLabel>
#include <QList>
#include <QString>
#include <QWidget>

namespace {
const QSize WindowSize(Layout::ClientWidth, Layout::ClientHeight);
constexpr int LabelCount = Layout::GridColumns * Layout::GridRows;
} // namespace

StartWindow startWindowState(QWidget *window, QString *why) {
    if (window->size() != WindowSize)
        return StartWindow::Other;
    const QList<QLabel *> labels = window->findChildren<QLabel *>();
    int shown = 0;
    for (const QLabel *label : labels) {
        if (label->isVisible() && !label->text().isEmpty())
            ++shown;
    }
    if (shown != LabelCount) {
        *why = QStringLiteral("%1 labels with text on the window instead of %2")
                   .arg(shown)
                   .arg(LabelCount);
        return StartWindow::Wrong;
    }
    return StartWindow::Ready;
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
    for (int k = 0; k < LabelCount; ++k) {
        auto *label = new QLabel(QString::number(k + 1), &window);
        label->setGeometry(Layout::cardRect(k));
        label->setAlignment(Qt::AlignCenter);
    }
    window.show();
    return QApplication::exec();
}

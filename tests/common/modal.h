// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Acting on modal windows from a test: they run their own event loop, so the test reaches
// them through a timer.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <functional>

// Runs `action` on the next modal window as soon as it is open.
inline void onNextModal(std::function<void(QWidget *)> action) {
    // Owned by the application, so a watcher whose window never came is still deleted.
    auto *timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        timer->stop();
        timer->deleteLater();
        action(modal);
    });
    timer->start(10);
}

// While it lives, closes every message box as soon as it opens and keeps what they said, and
// their titles.
class MessageCloser {
  public:
    MessageCloser() {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                said.append(box->text());
                titles.append(box->windowTitle());
                box->close();
            }
        });
        m_timer.start(10);
    }
    QStringList said, titles;

  private:
    QTimer m_timer;
};

// Closes a modal window left open for `seconds`: a check that failed inside a modal window's
// handler then fails the test at once instead of leaving it waiting for the window.
inline void installModalWatchdog(int seconds = 5) {
    auto *timer = new QTimer(qApp);
    auto watch = [seconds, seen = QPointer<QWidget>(), ticks = 0]() mutable {
        QWidget *modal = QApplication::activeModalWidget();
        ticks = modal == seen ? ticks + 1 : 0;
        seen = modal;
        if (modal && ticks == seconds * 10) {
            qWarning("closing the modal window \"%s\", left open for %d s",
                     qPrintable(modal->windowTitle()), seconds);
            modal->close();
        }
    };
    QObject::connect(timer, &QTimer::timeout, watch);
    timer->start(100);
}

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
#include <memory>

// What the next modal window showed before the watcher closed it.
struct Modal {
    QString title;
    QString text;
    QPoint pos;
    QWidget *widget = nullptr;
};

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

// Closes the next modal window as soon as it is open.
inline void closeNextModal(Modal &seen) {
    onNextModal([&seen](QWidget *modal) {
        seen.widget = modal;
        seen.title = modal->windowTitle();
        seen.pos = modal->pos();
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            seen.text = box->text();
        modal->close();
    });
}

// While it lives, closes every message box as soon as it opens and keeps what they said.
class MessageCloser {
  public:
    MessageCloser() {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                said.append(box->text());
                box->close();
            }
        });
        m_timer.start(10);
    }
    QStringList said;

  private:
    QTimer m_timer;
};

// Closes a modal window left open for `seconds`: a check that failed inside a modal window's
// handler then fails the test at once instead of leaving it waiting for the window.
inline void installModalWatchdog(int seconds = 5) {
    auto *timer = new QTimer(qApp);
    auto seen = std::make_shared<std::pair<QPointer<QWidget>, int>>();
    QObject::connect(timer, &QTimer::timeout, [seen, seconds] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal != seen->first) {
            *seen = {modal, 0};
            return;
        }
        if (modal && ++seen->second == seconds * 10) {
            qWarning("closing the modal window \"%s\", left open for %d s",
                     qPrintable(modal->windowTitle()), seconds);
            modal->close();
        }
    });
    timer->start(100);
}

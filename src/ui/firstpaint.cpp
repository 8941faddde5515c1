// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Work that can wait until the player sees the window.
#include "ui/firstpaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

constexpr int LatestMs = 3000;

// Lives beside the window rather than in it: should the window go before its first paint, the
// work still runs when the time is up.
class FirstPaint : public QObject {
  public:
    FirstPaint(QWidget *window, std::function<void()> work)
        : QObject(QCoreApplication::instance()), m_window(window), m_work(std::move(work)) {
        window->installEventFilter(this);
        QTimer::singleShot(LatestMs, this, &FirstPaint::run);
    }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        // The window's own paint event opens the pass that paints its children and hands the
        // picture to the screen; a call queued now runs when that pass is over.
        if (event->type() == QEvent::Paint && watched == m_window)
            QTimer::singleShot(0, this, &FirstPaint::run);
        return false;
    }

  private:
    void run() {
        if (!m_work)
            return;
        if (m_window)
            m_window->removeEventFilter(this);
        std::exchange(m_work, nullptr)();
        deleteLater();
    }

    QPointer<QWidget> m_window;
    std::function<void()> m_work;
};

} // namespace

void afterFirstPaint(QWidget *window, std::function<void()> work) {
    new FirstPaint(window, std::move(work));
}

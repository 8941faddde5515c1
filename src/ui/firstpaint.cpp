// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Work that can wait until the player sees the window.
#include "ui/firstpaint.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

constexpr int LatestMs = 3000;

class FirstPaint : public QObject {
  public:
    FirstPaint(QWidget *window, std::function<void()> work)
        : QObject(window), m_work(std::move(work)) {
        window->installEventFilter(this);
        QTimer::singleShot(LatestMs, this, &FirstPaint::run);
    }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        // The window's own paint event opens the pass that paints its children and hands the
        // picture to the screen; a call queued now runs when that pass is over.
        if (event->type() == QEvent::Paint && watched == parent())
            QTimer::singleShot(0, this, &FirstPaint::run);
        return false;
    }

  private:
    void run() {
        if (!m_work)
            return;
        parent()->removeEventFilter(this);
        std::exchange(m_work, nullptr)();
        deleteLater();
    }

    std::function<void()> m_work;
};

} // namespace

void afterFirstPaint(QWidget *window, std::function<void()> work) {
    new FirstPaint(window, std::move(work));
}

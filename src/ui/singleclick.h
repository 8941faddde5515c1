// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What counts as a click on the game's cards and labels: a left press and release over the
// control. The second press of a double-click is no second click (the older platform reported a
// double-click there instead), so a double-click is one click.
#pragma once

#include <QMouseEvent>
#include <QRect>
#include <utility>

class SingleClick {
  public:
    // A double-click's second press arrived: its release is let go.
    void doubleClicked() { m_second = true; }
    // The button was let go: whether that makes a click on a control of this size.
    bool released(const QMouseEvent *event, const QRect &control) {
        return !std::exchange(m_second, false) && event->button() == Qt::LeftButton &&
               control.contains(event->position().toPoint());
    }

  private:
    bool m_second = false;
};

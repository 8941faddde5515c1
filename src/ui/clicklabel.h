// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A label that answers a click, like the game's link and toggle labels.
#pragma once

#include "ui/accessibility.h"
#include "ui/singleclick.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <functional>

class ClickLabel : public QLabel, public Pressable {
  public:
    using QLabel::QLabel;
    std::function<void()> onClick;
    // Called as the pointer moves over the label (with mouse tracking on, also with no button
    // held).
    std::function<void()> onMove;

    void press() override {
        if (onClick)
            onClick();
    }

  protected:
    void mousePressEvent(QMouseEvent *event) override {
        // A label that answers clicks keeps the press: its window must not take it as the
        // start of a drag.
        if (onClick)
            event->accept();
        else
            QLabel::mousePressEvent(event);
    }
    void mouseMoveEvent(QMouseEvent *event) override {
        if (onMove)
            onMove();
        QLabel::mouseMoveEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent *event) override {
        if (m_click.released(event, rect()) && onClick)
            onClick();
        QLabel::mouseReleaseEvent(event);
    }
    void mouseDoubleClickEvent(QMouseEvent *event) override {
        if (!onClick)
            return QLabel::mouseDoubleClickEvent(event);
        m_click.doubleClicked();
        event->accept();
    }
    // A label the keyboard can reach answers Space and Enter as a click.
    void keyPressEvent(QKeyEvent *event) override {
        const int key = event->key();
        if (onClick && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
            onClick();
            return;
        }
        QLabel::keyPressEvent(event);
    }

  private:
    SingleClick m_click;
};

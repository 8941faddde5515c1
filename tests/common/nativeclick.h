// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Clicks that come in as the window system sends them: in the screen's own pixels, which the
// toolkit maps to the window's logical ones at the factor the game is drawn at.
#pragma once

#include "ui/windowscaler.h"

#include <QWidget>
#include <QtGui/qpa/qwindowsysteminterface.h>
#include <optional>
#include <utility>

// Clicks a window as the window system does, in the screen's pixels: at `point` of a design of
// `design` logical pixels, drawn at the factor and centred in the window.
inline void clickDesign(QWidget *window, QPoint point, QSize design = QSize(641, 425)) {
    const qreal f = WindowScaler::factor();
    const QSizeF native = QSizeF(window->size()) * window->devicePixelRatioF();
    const QPointF at((native.width() - design.width() * f) / 2 + (point.x() + 0.5) * f,
                     (native.height() - design.height() * f) / 2 + (point.y() + 0.5) * f);
    for (const auto &[type, buttons] : {std::pair(QEvent::MouseButtonPress, Qt::LeftButton),
                                        std::pair(QEvent::MouseButtonRelease, Qt::NoButton)}) {
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
            window->windowHandle(), at, at, buttons, Qt::LeftButton, type);
    }
}

// The same for a window that keeps its design size, at a point of a control (by default its
// middle).
inline void clickControl(QWidget *control, std::optional<QPoint> point = {}) {
    QWidget *window = control->window();
    clickDesign(window, control->mapTo(window, point.value_or(control->rect().center())),
                window->size());
}

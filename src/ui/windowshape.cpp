// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Shaping and layering top-level windows.
#include "ui/windowshape.h"

#include <QBitmap>
#include <QPainter>
#include <QWidget>

QRegion roundRectRegion(int left, int top, int right, int bottom, int ellipseWidth,
                        int ellipseHeight) {
    const QRect box(left, top, right - left, bottom - top);
    if (box.isEmpty())
        return QRegion();
    // Drawn without smoothing, so that every pixel is either inside or out.
    QBitmap mask(box.size());
    mask.fill(Qt::color0);
    QPainter painter(&mask);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::color1);
    painter.drawRoundedRect(QRect(QPoint(0, 0), box.size()), ellipseWidth / 2.0,
                            ellipseHeight / 2.0);
    painter.end();
    return QRegion(mask).translated(box.topLeft());
}

void SetTopmost(QWidget *window, bool on) {
    // Changing a shown window's flags hides it; it comes back where it was.
    const bool shown = window->isVisible();
    const QPoint at = window->pos();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (shown) {
        window->move(at);
        window->show();
    }
}

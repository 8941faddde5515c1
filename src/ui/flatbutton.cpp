// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Painting a flat button face with a classic raised edge.
#include "ui/flatbutton.h"

#include <QPainter>
#include <QStyle>

void FlatButton::paintEvent(QPaintEvent *) {
    QPainter p(this);
    const QPalette &pal = palette();
    const QColor face = pal.color(QPalette::Button);
    const QColor light = face.lighter(160);
    const QColor shadow = face.darker(160);
    const QColor dark(24, 24, 24);
    QRect r = rect();
    p.fillRect(r, face);

    // Two lines of edge: the outer one lit from the top left, the inner one shaded.
    auto edge = [&p](const QRect &box, const QColor &topLeft, const QColor &bottomRight) {
        p.setPen(topLeft);
        p.drawLine(box.topLeft(), box.topRight());
        p.drawLine(box.topLeft(), box.bottomLeft());
        p.setPen(bottomRight);
        p.drawLine(box.bottomLeft(), box.bottomRight());
        p.drawLine(box.topRight(), box.bottomRight());
    };
    r.adjust(0, 0, -1, -1);
    if (isDefault()) {
        edge(r, dark, dark);
        r.adjust(1, 1, -1, -1);
    }
    const bool down = isDown() || isChecked();
    if (down) {
        edge(r, shadow, shadow);
    } else {
        edge(r, light, dark);
        edge(r.adjusted(1, 1, -1, -1), face, shadow);
    }

    QRect textBox = rect();
    if (down)
        textBox.translate(1, 1);
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    if (isEnabled()) {
        style()->drawItemText(&p, textBox, flags, pal, true, text(), QPalette::ButtonText);
    } else {
        p.setPen(light);
        p.drawText(textBox.translated(1, 1), flags, text());
        p.setPen(shadow);
        p.drawText(textBox, flags, text());
    }
    if (hasFocus()) {
        p.setPen(QPen(pal.color(QPalette::ButtonText), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

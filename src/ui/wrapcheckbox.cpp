// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the box from the style and the caption wrapped beside it.
#include "ui/wrapcheckbox.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

void WrapCheckBox::paintEvent(QPaintEvent *) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    const QRect box = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    // The box stands at the top of a two-line caption, as it does beside one line.
    option.rect.setHeight(qMin(height(), box.height() + 4));
    painter.drawControl(QStyle::CE_CheckBox, option);

    const QRect textRect = rect().adjusted(box.right() + 4, 0, 0, 0);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
    style()->drawItemText(&painter, textRect, flags, palette(), isEnabled(), caption,
                          QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = style()->itemTextRect(fontMetrics(), textRect, flags, isEnabled(), caption);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool WrapCheckBox::hitButton(const QPoint &pos) const {
    // The whole control answers, the wrapped caption included.
    return rect().contains(pos);
}

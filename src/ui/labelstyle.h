// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The look of a label's text: its size in pixels, its weight and its colour.
#pragma once

#include <QColor>
#include <QWidget>

// An invalid colour keeps the label's text colour as it is.
inline void setTextLook(QWidget *label, int pixelSize, bool bold, const QColor &text = QColor()) {
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    if (text.isValid()) {
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, text);
        label->setPalette(pal);
    }
}

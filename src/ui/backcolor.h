// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The "back colour" of a control: the fill of a label or frame and the face of a button.
#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

inline void setBackColor(QWidget *control, const QColor &color) {
    QPalette pal = control->palette();
    pal.setColor(QPalette::Window, color);
    pal.setColor(QPalette::Button, color);
    control->setPalette(pal);
}

inline QColor backColor(const QWidget *control) {
    return control->palette().color(QPalette::Window);
}

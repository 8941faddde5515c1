// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One card of the board: its back colour while face down, its picture while face up.
#pragma once

#include "ui/accessibility.h"
#include "ui/singleclick.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>
#include <functional>

class CardWidget : public QWidget, public Pressable {
  public:
    explicit CardWidget(QWidget *parent = nullptr);

    void setBackColor(const QColor &color);
    QColor backColor() const { return m_back; }
    void setPicture(const QPixmap &picture);
    void clearPicture();
    bool hasPicture() const { return !m_picture.isNull(); }

    void press() override;

    std::function<void()> onClick;
    // An arrow key on the focused card: one column (-1, +1) or one row (-1, +1) further.
    std::function<void(int columns, int rows)> onArrow;

  protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

  private:
    SingleClick m_click;
    QColor m_back;
    QPixmap m_picture;
};

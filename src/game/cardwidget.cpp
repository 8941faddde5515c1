// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Painting and clicking of a card.
#include "game/cardwidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

CardWidget::CardWidget(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
}

void CardWidget::setBackColor(const QColor &color) {
    m_back = color;
    update();
}

void CardWidget::setPicture(const QPixmap &picture) {
    m_picture = picture;
    update();
}

void CardWidget::clearPicture() {
    if (m_picture.isNull())
        return;
    m_picture = QPixmap();
    update();
}

void CardWidget::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), m_back);
    if (!m_picture.isNull()) {
        p.drawPixmap(0, 0, m_picture);
        return;
    }
    // A face-down card: its colour with a light and a dark edge, so that it reads as a card.
    p.setPen(m_back.lighter(118));
    p.drawLine(0, 0, width() - 1, 0);
    p.drawLine(0, 0, 0, height() - 1);
    p.setPen(m_back.darker(125));
    p.drawLine(width() - 1, 0, width() - 1, height() - 1);
    p.drawLine(0, height() - 1, width() - 1, height() - 1);
}

void CardWidget::press() {
    if (onClick)
        onClick();
}

void CardWidget::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        press();
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (onArrow) {
            const int key = event->key();
            onArrow(key == Qt::Key_Left    ? -1
                    : key == Qt::Key_Right ? 1
                                           : 0,
                    key == Qt::Key_Up     ? -1
                    : key == Qt::Key_Down ? 1
                                          : 0);
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void CardWidget::mouseReleaseEvent(QMouseEvent *event) {
    if (m_click.released(event, rect()) && onClick)
        onClick();
}

void CardWidget::mouseDoubleClickEvent(QMouseEvent *) {
    m_click.doubleClicked();
}

// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The keyboard focus ring around whatever control has the focus.
#include "ui/focusring.h"

#include <QApplication>
#include <QEvent>
#include <QHash>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

// How far the ring reaches out of the control, and its orange width.
constexpr int Margin = 2;
constexpr int Width = 3;

class Ring : public QWidget {
  public:
    explicit Ring(QWidget *window) : QWidget(window) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setObjectName(QStringLiteral("focusRing"));
    }

  protected:
    void paintEvent(QPaintEvent *) override {
        // Orange between two dark lines: visible on a grey card, on a picture and on any
        // background.
        QPainter p(this);
        const QRect r = rect().adjusted(0, 0, -1, -1);
        p.setPen(QColor(20, 20, 20));
        p.drawRect(r);
        p.drawRect(r.adjusted(Width + 1, Width + 1, -Width - 1, -Width - 1));
        p.setPen(QColor(255, 140, 0));
        for (int i = 1; i <= Width; ++i)
            p.drawRect(r.adjusted(i, i, -i, -i));
    }
};

class FocusRing : public QObject {
  public:
    FocusRing() {
        qApp->installEventFilter(this);
        connect(qApp, &QApplication::focusChanged, this, [this] { follow(); });
    }
    // Shown from the first key on, hidden by a mouse press until the next key: a mouse player
    // sees every window as designed.
    bool keyboard = false;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
            keyboard = true;
            // Keys reach a window's focus widget even when the window is not active (no window
            // manager gave it the focus back); after the key has done its work, the ring goes to
            // wherever the focus is then.
            if (auto *widget = qobject_cast<QWidget *>(watched))
                m_keyWindow = widget->window();
            QTimer::singleShot(0, this, [this] { follow(); });
            break;
        case QEvent::MouseButtonPress:
            if (keyboard) {
                keyboard = false;
                follow();
            }
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            if (watched == m_target)
                follow();
            break;
        default:
            break;
        }
        return false;
    }

  private:
    void follow() {
        QWidget *target = QApplication::focusWidget();
        if (!target && m_keyWindow && m_keyWindow->isVisible())
            target = m_keyWindow->focusWidget();
        m_target = target;
        if (!keyboard || !target || !target->isVisible() || target->isWindow()) {
            if (m_ring)
                m_ring->hide();
            return;
        }
        if (m_ring && m_ring->parentWidget() != target->window())
            m_ring->hide();
        QWidget *window = target->window();
        if (!m_ring || m_ring->parentWidget() != window) {
            // One ring per window, made the first time the window needs one.
            QPointer<Ring> &ring = m_rings[window];
            if (!ring)
                ring = new Ring(window);
            m_ring = ring;
        }
        const QPoint topLeft = target->mapTo(window, QPoint(0, 0));
        m_ring->setGeometry(QRect(topLeft, target->size())
                                .adjusted(-Margin, -Margin, Margin, Margin)
                                .intersected(window->rect()));
        m_ring->raise();
        m_ring->show();
    }

    QPointer<QWidget> m_target;
    QPointer<QWidget> m_keyWindow;
    QPointer<Ring> m_ring;
    QHash<QWidget *, QPointer<Ring>> m_rings;
};

FocusRing *theRing = nullptr;

} // namespace

void installFocusRing() {
    if (theRing || !qApp)
        return;
    theRing = new FocusRing;
    theRing->setParent(qApp);
}

bool focusRingShown() {
    return theRing && theRing->keyboard;
}

// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Lets a window laid out for one design size grow with its window.
#include "ui/windowscaler.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <QtGui/qpa/qplatformwindow.h>
#include <QtGui/qpa/qwindowsysteminterface.h>
#include <QtMath>

namespace {
// The factor set on the screens; 1 until the window grows.
qreal screenFactor = 1.0;
// A size is written this long after the last change, so that dragging a border writes once.
constexpr int SaveDelayMs = 1000;
// Room left for a title bar and borders when a kept factor is fitted to the screen.
constexpr int DecorationAllowance = 48;
} // namespace

WindowScaler::WindowScaler(QWidget *window, const QSize &design, const QString &sizeFile)
    : QObject(window), m_window(window), m_design(design), m_sizeFile(sizeFile), m_saveTimer(this) {
    if (!m_sizeFile.isEmpty())
        m_kept = readWindowSize(m_sizeFile);
    m_saveTimer.setSingleShot(true);
    m_saveTimer.setInterval(SaveDelayMs);
    connect(&m_saveTimer, &QTimer::timeout, this, &WindowScaler::save);
    m_window->setMinimumSize(m_design);
    m_window->installEventFilter(this);
}

qreal WindowScaler::factor() {
    return screenFactor;
}

void WindowScaler::show(const WindowSize &size) {
    qreal wanted = size.mode == WindowSize::Normal ? size.factor : screenFactor;
    if (QScreen *screen = m_window->screen()) {
        // A logical size times the factor now set is a size in the design's own pixels.
        const QSize room =
            screen->availableGeometry().size() * screenFactor - QSize(0, DecorationAllowance);
        wanted = qMin(wanted, WindowScale::fittingFactor(room, m_design));
    }
    setFactor(wanted);
    m_window->resize(m_design);
    switch (size.mode) {
    case WindowSize::Maximized:
        m_window->showMaximized();
        break;
    case WindowSize::FullScreen:
        m_window->showFullScreen();
        break;
    case WindowSize::Normal:
        m_window->show();
        break;
    }
}

WindowSize WindowScaler::currentSize() const {
    WindowSize size;
    if (m_window->isFullScreen())
        size.mode = WindowSize::FullScreen;
    else if (m_window->isMaximized())
        size.mode = WindowSize::Maximized;
    else
        size.factor = screenFactor;
    return size;
}

// Full screen keeps the window's other state, so that leaving it gives back a maximized window.
void WindowScaler::toggleFullScreen() {
    if (!leaveFullScreen())
        m_window->setWindowState(m_window->windowState() | Qt::WindowFullScreen);
}

bool WindowScaler::leaveFullScreen() {
    if (!m_window->isFullScreen())
        return false;
    m_window->setWindowState(m_window->windowState() & ~Qt::WindowFullScreen);
    return true;
}

void WindowScaler::save() {
    m_saveTimer.stop();
    const WindowSize size = currentSize();
    if (m_sizeFile.isEmpty() || size == m_kept)
        return;
    // A folder that cannot be written keeps no size: the game is the same at the design size.
    if (writeWindowSize(m_sizeFile, size))
        m_kept = size;
}

bool WindowScaler::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_window) {
        switch (event->type()) {
        case QEvent::Resize:
        case QEvent::WindowStateChange:
            // Fitted once the resizing is over, outside the window's own handling of it.
            if (!m_fitPending) {
                m_fitPending = true;
                QMetaObject::invokeMethod(this, &WindowScaler::fit, Qt::QueuedConnection);
            }
            break;
        case QEvent::Close:
            save();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void WindowScaler::fit() {
    m_fitPending = false;
    if (!m_window->isVisible())
        return;
    setFactor(WindowScale::fittingFactor(m_window->size() * screenFactor, m_design));
    if (currentSize() != m_kept)
        m_saveTimer.start();
}

void WindowScaler::setFactor(qreal wanted) {
    if (!WindowScale::isChange(screenFactor, wanted) && !(wanted == 1.0 && screenFactor != 1.0))
        return;
    screenFactor = wanted;
    for (QScreen *screen : QGuiApplication::screens())
        QHighDpiScaling::setScreenFactor(screen, wanted);
    // The window keeps its pixels on the screen, and its state (maximized, full screen): only
    // its logical size follows the new factor, as when a window moves to another screen. That
    // goes before the lower bound, which would otherwise stretch a window it finds smaller.
    if (QWindow *handle = m_window->windowHandle(); handle && handle->handle()) {
        QWindowSystemInterface::handleGeometryChange<QWindowSystemInterface::SynchronousDelivery>(
            handle, handle->handle()->geometry());
    }
    m_window->setMinimumSize(qCeil(m_design.width() / wanted), qCeil(m_design.height() / wanted));
    emit factorChanged(wanted);
}

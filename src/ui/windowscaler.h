// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Lets a window laid out for one design size grow: maximized, full screen or dragged larger, it
// draws everything at the factor at which the design fits, and keeps that size for the next run.
#pragma once

#include "ui/windowsize.h"

#include <QObject>
#include <QSize>
#include <QString>
#include <QTimer>

class QWidget;

// The factor is the screen's: the toolkit then lays out text, draws pictures and places clicks,
// tool tips and the other windows at it, as on a high-density screen. The window's own size in
// logical pixels is never below the design; the window centres its content in it.
class WindowScaler : public QObject {
    Q_OBJECT

  public:
    // Watches `window`, laid out for `design` logical pixels; the size is kept in `sizeFile`
    // (none when it is empty). The scaler is the window's child.
    WindowScaler(QWidget *window, const QSize &design, const QString &sizeFile);

    // The size kept in the file, or the design size.
    WindowSize keptSize() const { return m_kept; }
    // Shows the window at `size`: a factor too large for the screen is cut to fit it.
    void show(const WindowSize &size);
    // The window's size now.
    WindowSize currentSize() const;
    // The factor the window is drawn at.
    static qreal factor();

    void toggleFullScreen();
    // Leaves full screen; false when the window was not in it.
    bool leaveFullScreen();
    // Writes the size file when the size differs from the one kept.
    void save();

  signals:
    void factorChanged(qreal factor);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void fit();
    void setFactor(qreal factor);

    QWidget *m_window;
    QSize m_design;
    QString m_sizeFile;
    WindowSize m_kept;
    bool m_fitPending = false;
    QTimer m_saveTimer;
};

// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How large the main window is drawn, and how that is kept from one run to the next.
#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

// The window's size as the player left it: a factor over the design size, or maximized, or full
// screen (which then fit the factor to the screen).
struct WindowSize {
    enum Mode { Normal, Maximized, FullScreen };
    Mode mode = Normal;
    qreal factor = 1.0;

    bool operator==(const WindowSize &other) const {
        return mode == other.mode && factor == other.factor;
    }
    bool operator!=(const WindowSize &other) const { return !(*this == other); }
};

namespace WindowScale {

// Beyond this the pictures are mere blur and the window would not fit any screen.
constexpr qreal MaxFactor = 8.0;

// The factor at which `design` fits into `space` (both in device pixels): the smaller of the two
// ratios, never below 1 and never above MaxFactor. Within 3 % of 1 it is 1, so that a window a
// few pixels larger than the design shows it pixel for pixel.
qreal fittingFactor(const QSize &space, const QSize &design);

// Whether a new factor is worth drawing everything anew: not for the rounding of a pixel.
bool isChange(qreal current, qreal wanted);

// Where the design's top-left corner lies in a window of `window` logical pixels: centred.
QPoint designCorner(const QSize &window, const QSize &design);

} // namespace WindowScale

// The size file in `writeFolder`, the folder of "Kestrova.ini".
QString windowSizeFile(const QString &writeFolder);

// The size kept in the file: the design size when the file is missing, unreadable, or holds
// anything but "maximized", "fullscreen" or a factor from 1 to MaxFactor.
WindowSize readWindowSize(const QString &path);

// The file's one line for `size`.
QString windowSizeText(const WindowSize &size);

// Replaces the file, whole or not at all; false when it could not be written.
bool writeWindowSize(const QString &path, const WindowSize &size);

// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Work that can wait until the player sees the window.
#pragma once

#include <functional>

class QWidget;

// Runs `work` once, when the event loop is back after `window`'s first paint; or after a few
// seconds if the window is never painted (shown on another desktop, say).
void afterFirstPaint(QWidget *window, std::function<void()> work);

// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A window's shape and layer: the rounded outline of a borderless window, kept on top.
#pragma once

#include <QRegion>

class QWidget;

// The rectangle from (left, top) up to but not including (right, bottom), its corners rounded
// by ellipses of the given width and height.
QRegion roundRectRegion(int left, int top, int right, int bottom, int ellipseWidth,
                        int ellipseHeight);

// Puts the window into the layer above all others, or back into the normal one, without
// moving or resizing it; a shown window stays shown.
void SetTopmost(QWidget *window, bool on);

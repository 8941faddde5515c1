// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What screen readers see of the game's own controls, and how the game speaks to them.
#pragma once

#include <QString>
#include <functional>

class QLabel;
class QWidget;

// A control that does something when pressed: a card, a link or toggle label. Screen readers
// see it as a button they can press.
class Pressable {
  public:
    virtual ~Pressable() = default;
    virtual void press() = 0;
    // The name a screen reader says, worked out when it asks; empty for the widget's own
    // accessible name or text.
    std::function<QString()> describe;
};

// Registers how the game's pressable controls present themselves; once per program.
void installAccessibleControls();

// Says `text` through `status`, a label kept for the purpose: screen readers that follow alerts
// read it out, and its accessible name holds the last thing said.
void announce(QLabel *status, const QString &text);

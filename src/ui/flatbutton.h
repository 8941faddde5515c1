// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A push button whose face is its back colour, flat, whatever the desktop's widget style.
#pragma once

#include <QPushButton>

class FlatButton : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    // The face in the palette's button colour inside a raised edge; pressed, the edge sinks and
    // the caption moves; disabled, the caption is engraved; focused, a dotted frame; the
    // default button has a dark outline.
    void paintEvent(QPaintEvent *event) override;
};

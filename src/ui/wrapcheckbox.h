// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A check box whose caption wraps at word boundaries within its width, like the game's
// narrow switches ("Erase all" over two lines).
#pragma once

#include <QCheckBox>

class WrapCheckBox : public QCheckBox {
  public:
    using QCheckBox::QCheckBox;

  protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;
};

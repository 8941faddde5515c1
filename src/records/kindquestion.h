// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The victory frame's player-kind question, its words set between the three kind buttons.
#pragma once

#include <QLabel>
#include <QVector>
#include <array>

class KindQuestion : public QLabel {
  public:
    // The three buttons (boy, girl, friend) stand at these left edges, in the coordinates of
    // the label's parent, and are this wide.
    KindQuestion(QWidget *parent, const std::array<int, 3> &buttonLefts, int buttonWidth);

    // Where each word of the caption is drawn, in the label's coordinates: the last three words
    // begin right after their buttons, the words before them end before the first button.
    // The caption keeps its text; its font shrinks as far as the words need, never below 8 px.
    QVector<QRect> wordBoxes() const;
    QFont wordFont() const;

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    struct Placement {
        QFont font;
        QStringList words;
        QVector<int> left;
    };
    Placement place() const;

    std::array<int, 3> m_buttonLefts;
    int m_buttonWidth;
};

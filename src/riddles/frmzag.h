// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The riddles window: a quotation, three pictures, and the question whose words they are.
// A small borderless window, rounded and kept on top, dragged by its body; it closes only
// when the right picture is chosen.
#pragma once

#include "riddles/riddle.h"

#include <QDialog>
#include <QPixmap>
#include <QStringList>
#include <array>
#include <optional>

class ClickLabel;
class GameModel;
class Program;
class QLabel;

class FrmZAG : public QDialog {
    Q_OBJECT

  public:
    FrmZAG(Program &program, GameModel &model);

    // Reads the riddle file afresh and shows riddle n.
    void DoZagadki(int n);
    // Shows a riddle of the list already read: its text, its three pictures and its number.
    // `number` is the riddle number as decimal text; it also names the picture files.
    void KonkretZagadka(const QString &number);

    // Judges picture k as the answer: praise, a pause, and the window closes; or a reproof,
    // a pause, and the riddle again.
    void imgClick(int k);
    // Steps to the next riddle (0) or the previous one (1).
    void lblNEXTClick(int i);
    // The pointer moves over picture k.
    void imgMouseMove(int k);

    // The riddle shown.
    const Riddle &riddle() const { return m_riddle; }

    // How long a verdict stays before the window goes on, in milliseconds.
    int PauseMs = 1500;

  protected:
    // Every showing puts the window above the main window and gives it the keyboard, with or
    // without a window manager.
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

  private:
    void placeNumber();
    void setRiddleCaption(const QString &text);
    // Keeps the window painted while no input is taken, for the verdict's pause.
    void pause();

    Program &m_program;
    GameModel &m_model;
    Riddle m_riddle;
    QPixmap m_background;
    // Where the pointer held the window, while it is dragged without the window manager's help.
    std::optional<QPoint> m_dragOffset;

    // 0 heading, 1 riddle text or verdict, 2 instruction, 3 riddle number.
    std::array<QLabel *, 4> lbl{};
    // 0 next, 1 previous.
    std::array<ClickLabel *, 2> lblNEXT{};
    std::array<ClickLabel *, 3> img{};
};

// The main window: the board of 24 cards, the clock and the victory frame.
#pragma once

#include "game/board.h"
#include "game/deal.h"

#include <QWidget>
#include <array>

class CardWidget;
class ClickLabel;
class Program;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

class Form1 : public QWidget {
    Q_OBJECT

  public:
    explicit Form1(Program &program);

    // The start-up of a fresh main window: settings, deal and clock.
    void build();

    // What the command bar's clear button does: every card face down and closed, no pairs,
    // the clock back to 0 without the tenths. The layout stays for the next game.
    void clearBoard();

    // Deals the chosen picture set onto this board.
    void ChangePicSet();
    // Judges the won game and sets up the victory frame.
    void ProverkaRekorda();
    // Puts the player-kind buttons into the gaps of the kind question before its last three
    // words (boy, girl, friend), wherever the font of the language puts those words.
    void placeKindButtons();

    // The controls, named as the game names them.
    std::array<CardWidget *, CardCount> Foto{};
    QLabel *lblTime = nullptr;
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    QFrame *Frame2 = nullptr;
    std::array<QLabel *, 4> lblEnd{};
    std::array<QRadioButton *, 3> optKartinka{};
    QLineEdit *txtRec = nullptr;
    std::array<QPushButton *, 3> cmdEND{};
    ClickLabel *lblSND = nullptr;

    Board board;
    DealState deal;

  protected:
    void closeEvent(QCloseEvent *event) override;

  private:
    void buildCardGrid();
    void buildVictoryFrame();
    void cardClicked(int k);
    void showCard(int k);
    void victory();
    void playAgain();
    void toggleSound();

    Program &m_program;
};

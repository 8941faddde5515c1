// The main window: the board of 24 cards, the clock and the victory frame.
#pragma once

#include "game/board.h"
#include "game/deal.h"

#include <QPixmap>
#include <QWidget>
#include <array>
#include <memory>

class BoardAccess;
class CardWidget;
class ClickLabel;
class Program;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class RecordsView;

class Form1 : public QWidget {
    Q_OBJECT

  public:
    explicit Form1(Program &program);
    ~Form1() override;

    Program &program() const { return m_program; }
    // The board for the keyboard and for screen readers.
    BoardAccess &access() const { return *m_access; }
    // The interface language changed: the names screen readers say follow it.
    void languageChanged();

    // The start-up of a fresh main window: settings, deal and clock.
    void build();

    // What the command bar's clear button does: every card face down and closed, no pairs,
    // the clock back to 0 without the tenths. The layout stays for the next game.
    void clearBoard();

    // The picture drawn behind every control at its own size from the top-left corner; a null
    // picture removes it.
    void setBackgroundPicture(const QPixmap &picture);
    const QPixmap &backgroundPicture() const { return m_background; }

    // Deals the chosen picture set onto this board.
    void ChangePicSet();
    // Judges the won game against the hall of fame and sets up the victory frame.
    void ProverkaRekorda();
    // Opens a web address in the desktop's browser; the game goes on at once.
    void DoURL(const QString &strUrl);
    // Stores the won game's result in the record file.
    void ZapisRecord();
    // Creates the record file with its placeholder line when there is none.
    void EnsureRecordFile();

    // The controls, named as the game names them.
    std::array<CardWidget *, CardCount> Foto{};
    std::array<QPushButton *, 4> cmdTOP{};
    QLabel *lblTime = nullptr;
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    QFrame *Frame2 = nullptr;
    std::array<QLabel *, 4> lblEnd{};
    std::array<QRadioButton *, 3> optKartinka{};
    QLineEdit *txtRec = nullptr;
    std::array<QPushButton *, 3> cmdEND{};
    ClickLabel *lblSND = nullptr;
    ClickLabel *lblZAG = nullptr;
    // 0 and 1 the maker's page (0 the shadow under 1), 3 the game's home page; 2 is not used.
    std::array<ClickLabel *, 4> lblWeb{};
    std::array<ClickLabel *, 2> lblLOC{};
    RecordsView *lvRecord = nullptr;
    QPlainTextEdit *txtHELP = nullptr;

    Board board;
    DealState deal;
    // How many lines of the record file the last press of the records button read.
    int RecLines = 0;

  protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

  private:
    void buildCardGrid();
    void buildCommandBar();
    void buildVictoryFrame();
    void buildBottomLabels();
    void buildWebLabels();
    void askRiddle();
    void showRiddle(int number);
    void riddleFileMissing();
    void cardClicked(int k);
    void showCard(int k);
    void victory();
    void playAgain();
    void enterRecord();
    void nameTyped();
    void setRecordButtonDefault(bool on);
    void openOptions();
    void toggleHelp();
    void toggleRecords();
    QString recordFilePath() const;
    QString pictureSetCaption();
    void toggleSound();
    void setTabOrder();

    Program &m_program;
    QPixmap m_background;
    std::unique_ptr<BoardAccess> m_access;
    // Why the record table cannot take this game's result ("" when it can), and whether the
    // player has been told in this game.
    QString m_refusal;
    bool m_refusalTold = false;
};

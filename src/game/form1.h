// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window: the board of 24 cards, the clock and the victory frame.
#pragma once

#include "game/boardaccess.h"
#include "ui/languagelabels.h"

#include <QPixmap>
#include <QWidget>
#include <array>
#include <memory>

class CardWidget;
class ClickLabel;
class GameModel;
class Program;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QShortcut;
class RecordsView;
class WindowScaler;
struct BackgroundLook;

class Form1 : public QWidget {
    Q_OBJECT

  public:
    Form1(Program &program, GameModel &model);
    ~Form1() override;

    // The start-up of a fresh main window: settings, deal and clock.
    void build();

    // Paints the look of a background choice: the cards' colour, shared by the buttons, the
    // frame and the labels, and the picture behind every control.
    void SetColor(const BackgroundLook &look);
    // Puts the captions of the interface language onto the controls.
    void SetLanguage(const Language &language);
    // Opens a web address in the desktop's browser; the game goes on at once.
    void DoURL(const QString &strUrl);

    // The game the window shows.
    const GameModel &model() const { return m_model; }
    // The picture drawn behind every control at its own size from the top-left corner.
    const QPixmap &backgroundPicture() const { return m_background; }
    // Grows the window's content with the window, and keeps its size.
    WindowScaler &scaler() const { return *m_scaler; }
    // The card the keyboard is on.
    int focusedCard() const { return m_access->focusedCard(); }
    // What a screen reader says for card k now.
    QString cardText(int k) const { return m_access->cardText(k); }

  protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

  private:
    void buildCardGrid();
    void buildCommandBar();
    void buildVictoryFrame();
    void buildBottomLabels();
    void buildWebLabels();
    void setTabOrder();
    void observeModel();

    void askRiddle();
    void showRiddle(int number);
    void riddleFileMissing();
    void cardClicked(int k);
    void showCard(int k);
    void clearCards();
    void victory();
    void playAgain();
    void dealAnew();
    // Hides the victory frame, its name box emptied and "To records" no longer the default.
    void closeVictoryFrame();
    void enterRecord();
    void setRecordButtonDefault(bool on);
    void openOptions();
    void toggleHelp();
    QPlainTextEdit &helpBox();
    RecordsView &recordsView();
    void languageOfRecords();
    void toggleRecords();
    void setBackgroundPicture(const QPixmap &picture);
    QPixmap backgroundFor(const QString &file) const;
    // Draws the background and the cards face up anew, for a new size or factor.
    void redrawPictures();

    Program &m_program;
    GameModel &m_model;
    QPixmap m_background;
    QString m_backgroundFile;
    WindowScaler *m_scaler = nullptr;
    QShortcut *m_leaveFullScreen = nullptr;
    // Where the design's corner lies in the window: the controls are placed from it.
    QPoint m_corner;

    // The controls, named as the game names them.
    CardWidgets Foto{};
    std::array<QPushButton *, 4> cmdTOP{};
    QLabel *lblTime = nullptr;
    QFrame *Frame2 = nullptr;
    std::array<QLabel *, 4> lblEnd{};
    std::array<QRadioButton *, 3> optKartinka{};
    QLineEdit *txtRec = nullptr;
    std::array<QPushButton *, 3> cmdEND{};
    ClickLabel *lblSND = nullptr;
    ClickLabel *lblZAG = nullptr;
    // 0 and 1 the maker's page (0 the shadow under 1), 3 the game's home page; 2 is not used.
    std::array<ClickLabel *, 4> lblWeb{};
    LanguageLabels lblLOC{};
    RecordsView *lvRecord = nullptr;
    QPlainTextEdit *txtHELP = nullptr;

    std::unique_ptr<BoardAccess> m_access;
};

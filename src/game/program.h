// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The running program: the one instance of each window, over the one game model.
#pragma once

#include "ui/windowsize.h"

#include <QPointer>
#include <memory>
#include <optional>

class Form1;
class Form2;
class FrmZAG;
class GameModel;
class PictureCache;
class QWidget;

constexpr const char *AppTitle = "Kestrova";

class Program {
  public:
    Program(GameModel &model, PictureCache &pictures);
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    GameModel &model() const { return m_model; }
    PictureCache &pictures() const { return m_pictures; }

    // The main window now on screen, or null once it has closed.
    Form1 *form1() const;
    // The same window for what is said over it, or null.
    QWidget *mainWindow() const;
    // The options window, built (hidden) on first use.
    Form2 &form2();
    bool form2Loaded() const { return m_form2 != nullptr; }
    // The riddles window, built (hidden) on first use.
    FrmZAG &frmZAG();
    bool frmZAGLoaded() const { return m_frmZAG != nullptr; }

    // Builds a main window (its whole start-up runs) and shows it.
    Form1 &showMainWindow();
    // Replaces the main window by a new one, which deals again from the chosen picture set;
    // the other windows go with the old one.
    void rebuildMainWindow();
    // The main window is closing: the other windows go with it, and the program ends.
    void mainWindowClosed(Form1 *window);
    // Whether the end of the program has been asked for.
    bool quitRequested() const { return m_quitRequested; }

  private:
    void dropHiddenWindows();

    GameModel &m_model;
    PictureCache &m_pictures;
    QPointer<Form1> m_form1;
    std::unique_ptr<Form2> m_form2;
    std::unique_ptr<FrmZAG> m_frmZAG;
    // A replaced main window: its own click may still be on the stack when it is replaced
    // (through the options window it opened), so it is deleted only at the next replacement.
    std::unique_ptr<Form1> m_retired;
    // The size a replacing main window comes at.
    std::optional<WindowSize> m_nextSize;
    bool m_rebuilding = false;
    bool m_quitRequested = false;
};

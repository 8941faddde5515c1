// The running program: the shared values and services, and the one instance of each window.
#pragma once

#include <QPointer>
#include <memory>

class Form1;
class Form2;
class FrmZAG;
class QWidget;
class PictureCache;
class RandomSource;
class SoundSink;
struct ProgramState;

constexpr const char *AppTitle = "Kestrova";

class Program {
  public:
    Program(ProgramState &state, RandomSource &random, SoundSink &sound, PictureCache &pictures);
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    ProgramState &state;
    RandomSource &random;
    SoundSink &sound;
    PictureCache &pictures;

    // Plays one slot of the sound table.
    void play(int slot);
    // True when the folder of the written files cannot be written in this run; the first time,
    // the player is told that nothing will be saved.
    bool cannotSave(QWidget *parent);

    // The main window now on screen, or null once it has closed.
    Form1 *form1() const;
    // The options window, loaded (hidden) on first use.
    Form2 &form2();
    bool form2Loaded() const { return m_form2 != nullptr; }
    // The riddles window, loaded (hidden) on first use.
    FrmZAG &frmZAG();
    bool frmZAGLoaded() const { return m_frmZAG != nullptr; }

    // Builds a main window (its whole start-up runs) and shows it.
    Form1 &showMainWindow();
    // Replaces the main window by a new one, which deals again from the chosen picture set;
    // the options window goes with the old one and is loaded again, hidden.
    void rebuildMainWindow();
    // The main window is closing: the other windows go with it, and the program ends.
    void mainWindowClosed(Form1 *window);
    // Whether the end of the program has been asked for.
    bool quitRequested() const { return m_quitRequested; }

  private:
    QPointer<Form1> m_form1;
    std::unique_ptr<Form2> m_form2;
    std::unique_ptr<FrmZAG> m_frmZAG;
    // A replaced main window: its own click may still be on the stack when it is replaced
    // (through the options window it opened), so it is deleted only at the next replacement.
    std::unique_ptr<Form1> m_retired;
    bool m_rebuilding = false;
    bool m_quitRequested = false;
};

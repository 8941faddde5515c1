// The options window; its controls also hold the chosen picture set and the sound switch.
#pragma once

#include <QDialog>
#include <array>

class ClickLabel;
class Program;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class Form2 : public QDialog {
    Q_OBJECT

  public:
    explicit Form2(Program &program);

    // What loading the window does: the settings, then the previews and the set names.
    void load();

    // Reads the settings afresh and applies them to this window and the rest of the game.
    void ChooseIni();
    // Fills the sound table from the sound switch and names the next switch on the main
    // window's sound label.
    void SetSound();
    // Gives the main window the look of the stored background choice.
    void SetColor();
    // The four buttons: 0 apply the background, 1 apply the picture set, 2 OK, 3 Cancel.
    void cmdNAS_Click(int index);

    // The index of the chosen picture set or background, or -1 when none is chosen.
    int selectedPictureSet() const;
    int selectedBackground() const;

    std::array<QGroupBox *, 5> Frame{};
    std::array<QRadioButton *, 7> optFon{};
    std::array<QLabel *, 7> picChoose{};
    std::array<QRadioButton *, 7> optP{};
    QCheckBox *chkS = nullptr;
    QCheckBox *chkZ = nullptr;
    QCheckBox *chkR = nullptr;
    std::array<QPushButton *, 4> cmdNAS{};
    std::array<ClickLabel *, 2> lblLOC{};
    QFrame *Line1 = nullptr;

  protected:
    // Escape and the window's close button leave the window as Cancel does.
    void reject() override;

  private:
    void saveSettings();
    void eraseRecords();
    void buildBackgroundFrame();
    void buildPicturesFrame();
    void buildSwitches();
    void buildButtons();
    void buildLanguageLabels();

    Program &m_program;
};

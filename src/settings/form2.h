// The options window; its controls also hold the chosen picture set and the sound switch.
#pragma once

#include <QDialog>
#include <array>

class Program;
class QCheckBox;
class QGroupBox;
class QRadioButton;

class Form2 : public QDialog {
    Q_OBJECT

  public:
    explicit Form2(Program &program);

    // Fills the sound table from the sound switch and names the next switch on the main
    // window's sound label.
    void SetSound();

    // The index of the chosen picture set, or -1 when none is chosen.
    int selectedPictureSet() const;

    std::array<QGroupBox *, 5> Frame{};
    std::array<QRadioButton *, 7> optP{};
    QCheckBox *chkS = nullptr;

  private:
    Program &m_program;
};

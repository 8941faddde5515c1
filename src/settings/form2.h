// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The options window: the background, the picture set, sound, a riddle at start and erasing the
// hall of fame. Its controls show the model's choices; a click changes them in the model.
#pragma once

#include "ui/languagelabels.h"

#include <QDialog>
#include <array>

class GameModel;
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
    Form2(Program &program, GameModel &model);

    // Puts the captions of the interface language onto the controls.
    void SetLanguage(const Language &language);
    // The four buttons: 0 apply the background, 1 apply the picture set, 2 OK, 3 Cancel.
    void cmdNAS_Click(int index);

  protected:
    // Escape and the window's close button leave the window as Cancel does.
    void reject() override;

  private:
    void buildBackgroundFrame();
    void buildPicturesFrame();
    void buildSwitches();
    void buildButtons();
    void buildLanguageLabels();
    void showChoices();
    // "Photos…" makes the selected set from a folder of photos; "Restore" brings back the shipped
    // set in its place.
    void makePhotoSet();
    void restoreSet();
    // Set `set` was made or restored: its name anew, and no old picture kept in memory.
    void setReplaced(int set);
    void tell(QWidget *parent, const QString &text);

    Program &m_program;
    GameModel &m_model;

    std::array<QGroupBox *, 5> Frame{};
    std::array<QRadioButton *, 7> optFon{};
    std::array<QLabel *, 7> picChoose{};
    std::array<QRadioButton *, 7> optP{};
    QCheckBox *chkS = nullptr;
    QCheckBox *chkZ = nullptr;
    QCheckBox *chkR = nullptr;
    std::array<QPushButton *, 4> cmdNAS{};
    QPushButton *cmdPhotos = nullptr;
    QPushButton *cmdRestore = nullptr;
    LanguageLabels lblLOC{};
    QFrame *Line1 = nullptr;
};

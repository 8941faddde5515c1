// Window instances and the end of the program.
#include "game/program.h"

#include "game/form1.h"
#include "i18n/languagetexts.h"
#include "riddles/frmzag.h"
#include "settings/form2.h"
#include "ui/gamefolders.h"
#include "ui/messagebox.h"
#include "ui/programstate.h"
#include "ui/soundsink.h"

#include <QCoreApplication>

Program::Program(ProgramState &state_, RandomSource &random_, SoundSink &sound_,
                 PictureCache &pictures_)
    : state(state_), random(random_), sound(sound_), pictures(pictures_) {
    // The texts the windows start with, until a language is applied.
    applyLanguageTexts(state, Lang::English);
}

Program::~Program() {
    delete m_form1.data();
    m_retired.reset();
    m_form2.reset();
    m_frmZAG.reset();
}

Form1 *Program::form1() const {
    return m_form1.data();
}

void Program::play(int slot) {
    if (slot >= 0 && slot < static_cast<int>(state.SoundFile.size()))
        sound.play(state.SoundFile[slot]);
}

bool Program::cannotSave(QWidget *parent) {
    if (!state.CannotSave)
        return false;
    if (!state.CannotSaveTold) {
        state.CannotSaveTold = true;
        showMessage(parent, QString::fromLatin1(AppTitle),
                    cannotSaveMessage(state.WriteFolder, state.Language == Lang::Russian));
    }
    return true;
}

Form2 &Program::form2() {
    if (!m_form2) {
        m_form2 = std::make_unique<Form2>(*this);
        m_form2->load();
    }
    return *m_form2;
}

FrmZAG &Program::frmZAG() {
    if (!m_frmZAG) {
        m_frmZAG = std::make_unique<FrmZAG>(*this);
        m_frmZAG->load();
    }
    return *m_frmZAG;
}

Form1 &Program::showMainWindow() {
    auto *window = new Form1(*this);
    m_form1 = window;
    window->build();
    window->show();
    window->activateWindow();
    return *window;
}

void Program::rebuildMainWindow() {
    if (Form1 *old = m_form1) {
        m_rebuilding = true;
        old->setAttribute(Qt::WA_DeleteOnClose, false);
        old->close();
        m_rebuilding = false;
        m_retired.reset(old);
    }
    showMainWindow();
    form2();
}

void Program::mainWindowClosed(Form1 *window) {
    if (window != m_form1)
        return;
    m_form1 = nullptr;
    if (m_form2) {
        m_form2->hide();
        m_form2.release()->deleteLater();
    }
    if (m_frmZAG) {
        m_frmZAG->hide();
        m_frmZAG.release()->deleteLater();
    }
    if (m_rebuilding)
        return;
    m_quitRequested = true;
    QCoreApplication::quit();
}

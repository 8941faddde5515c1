// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Window instances and the end of the program.
#include "game/program.h"

#include "game/form1.h"
#include "riddles/frmzag.h"
#include "settings/form2.h"

#include <QCoreApplication>

Program::Program(GameModel &model, PictureCache &pictures) : m_model(model), m_pictures(pictures) {}

Program::~Program() {
    delete m_form1.data();
    m_retired.reset();
    m_form2.reset();
    m_frmZAG.reset();
}

Form1 *Program::form1() const {
    return m_form1.data();
}

QWidget *Program::mainWindow() const {
    return m_form1.data();
}

Form2 &Program::form2() {
    if (!m_form2)
        m_form2 = std::make_unique<Form2>(*this, m_model);
    return *m_form2;
}

FrmZAG &Program::frmZAG() {
    if (!m_frmZAG)
        m_frmZAG = std::make_unique<FrmZAG>(*this, m_model);
    return *m_frmZAG;
}

Form1 &Program::showMainWindow() {
    auto *window = new Form1(*this, m_model);
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

// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Window instances and the end of the program.
#include "game/program.h"

#include "game/form1.h"
#include "riddles/frmzag.h"
#include "settings/form2.h"
#include "ui/windowscaler.h"

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
    // The first window comes at the size the player left; a new one at its forerunner's.
    WindowScaler &scaler = window->scaler();
    QObject::connect(&scaler, &WindowScaler::factorChanged, window,
                     [this] { dropHiddenWindows(); });
    scaler.show(m_nextSize.value_or(scaler.keptSize()));
    m_nextSize.reset();
    window->activateWindow();
    return *window;
}

// The options and riddles windows read their pictures for the factor they were built at: hidden,
// they go, and are built again at the new factor when next opened.
void Program::dropHiddenWindows() {
    if (m_form2 && !m_form2->isVisible())
        m_form2.release()->deleteLater();
    if (m_frmZAG && !m_frmZAG->isVisible())
        m_frmZAG.release()->deleteLater();
}

void Program::rebuildMainWindow() {
    if (Form1 *old = m_form1) {
        m_nextSize = old->scaler().currentSize();
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

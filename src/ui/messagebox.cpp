// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's plain information message with an OK button.
#include "ui/messagebox.h"

#include <QMessageBox>

void showMessage(QWidget *parent, const QString &caption, const QString &text) {
    QMessageBox::information(parent, caption, text, QMessageBox::Ok);
}

// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The text of the help box.
#pragma once

#include <QString>

// The help file's lines, each after a line break, so the text starts with an empty line and
// ends without one; when the file is missing, a note naming the full path instead.
QString helpBoxText(const QString &appFolder, const QString &helpFileName,
                    const QString &lineBreak = QStringLiteral("\r\n"));

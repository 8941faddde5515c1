// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's few command-line options.
#pragma once

#include <QString>
#include <QStringList>

struct CommandLine {
    enum Action { Play, ShowHelp, ShowVersion };
    Action action = Play;
    // What to print on standard output before exiting.
    QString text;
};

// Reads the arguments after the program's name. "--help"/"-h" and "--version"/"-v" print and
// exit wherever they stand, help before version; any other argument (the toolkit's own, or a
// file name a launcher passes) is let be and the game starts.
CommandLine readCommandLine(const QStringList &arguments, const QString &version);

// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A probe linked into a start-up benchmark program: when the program's window has been painted
// for the first time, it prints the time (CLOCK_MONOTONIC) and the CPU time used so far; 1.5 s
// later, the event loop running meanwhile, it prints the resident memory and whether Qt
// Multimedia is mapped into the process, then ends the process at once.
#pragma once

class QString;
class QWidget;

enum class StartWindow {
    Other, // not the window the measurement waits for
    Wrong, // the awaited window, but not in the state it should be shown in: the run fails
    Ready, // the awaited window, ready
};

// Judges a top-level widget that is about to be painted; each program defines its own.
StartWindow startWindowState(QWidget *window, QString *why);

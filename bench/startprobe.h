// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A probe linked into a start-up benchmark program: when the program's window has been painted
// for the first time, it prints the time (CLOCK_MONOTONIC) and the CPU time used so far; 1.5 s
// later, the event loop running meanwhile, it prints the resident memory and whether Qt
// Multimedia is mapped into the process, then ends the process at once. A program that readies
// something of its own once its window is on the screen has that timed too, from the first paint.
#pragma once

#include <functional>

class QString;
class QWidget;

enum class StartWindow {
    Other, // not the window the measurement waits for
    Wrong, // the awaited window, but not in the state it should be shown in: the run fails
    Ready, // the awaited window, ready
};

// Judges a top-level widget that is about to be painted; each program defines its own.
StartWindow startWindowState(QWidget *window, QString *why);

// How a program tells the probe that what it readies after its first paint is ready (`ready`
// true) or never will be (false, and `why` says what is not ready and why: the run fails).
using StartReadyReport = std::function<void(bool ready, const QString &why)>;

// Called once, at the first paint of the awaited window; each program defines its own. A program
// that readies something after that paint (in idle time, say) calls `report` once when that is
// over, at once if it is ready already, and returns what it readies ("the sound"), for the
// messages; the run fails unless it is ready 1.5 s after the paint. A program with nothing to
// wait for returns an empty string and never calls `report`.
QString watchStartReady(QWidget *window, const StartReadyReport &report);

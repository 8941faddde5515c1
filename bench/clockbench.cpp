// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Lets the game clock run with tenths for a while in the real event loop and compares the time it
// shows with the time that has passed. Prints "key=value" lines for bench/run.py.
// Usage: kestrova_bench_clock [seconds]   (120 by default)
#include "gamedriver.h"

#include "ui/localenumber.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <cstdio>

namespace {

[[noreturn]] void fail(const QString &why) {
    std::fprintf(stderr, "clock bench: %s\n", qPrintable(why));
    std::exit(1);
}

double seconds(const QElapsedTimer &timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const int duration = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 120;
    if (duration <= 0)
        fail(QStringLiteral("the duration must be a whole number of seconds"));

    QTemporaryDir written;
    Game game(QStringLiteral(KESTROVA_BENCH_APP_DIR), 0, {}, written.path());
    Form1 &window = *game.window;
    if (!QTest::qWaitForWindowExposed(&window))
        fail(QStringLiteral("the main window was not shown"));

    // Win a game, then "Else": the clock starts again from 0 at a moment known to the
    // microsecond, the last thing that button does.
    game.win();
    if (!game.frameShown())
        fail(QStringLiteral("the game was not won"));
    game.get<QPushButton>("cmdEND(0)")->click();
    QElapsedTimer wall;
    wall.start();

    // The tenth pair opens 0.55 s into the game: the tenths then tick half a tenth after each
    // tenth of the clock, the average of a game played by hand.
    QEventLoop loop;
    QTimer::singleShot(550 - static_cast<int>(wall.elapsed()), Qt::PreciseTimer, &loop,
                       &QEventLoop::quit);
    loop.exec();
    const auto pairs = pairsOf(game.model.board());
    for (int i = 0; i < TenthsFromPairs; ++i) {
        game.click(pairs[i].first);
        game.click(pairs[i].second);
    }
    if (!game.model.clock().tenthsRunning())
        fail(QStringLiteral("the tenths timer does not run after ten pairs"));

    // After each tenths step (this runs after the label has been written):
    // the time shown against the time passed. Between ticks the label lags by up to another
    // tenth, as any display of truncated tenths does.
    double worst = 0;
    int ticks = 0;
    double finalShown = 0;
    double finalWall = 0;
    QObject::connect(&game.model.clock(), &GameClock::captionChanged, &window, [&] {
        const double now = seconds(wall);
        // Until the first whole second the tenths count on from where the won game left them.
        if (now < 1.5)
            return;
        const auto shown = parseLocaleNumber(game.time());
        if (!shown)
            fail(QStringLiteral("the time label shows \"%1\"").arg(game.time()));
        const double error = *shown - now;
        if (std::fabs(error) > std::fabs(worst))
            worst = error;
        ++ticks;
        if (now >= duration) {
            finalWall = now;
            finalShown = *shown;
            loop.quit();
        }
    });
    loop.exec();

    std::printf("clock_seconds=%d\n", duration);
    std::printf("clock_wall_s=%.4f\n", finalWall);
    std::printf("clock_shown_s=%.4f\n", finalShown);
    std::printf("clock_error_s=%.4f\n", finalShown - finalWall);
    std::printf("clock_worst_tick_error_s=%.4f\n", worst);
    std::printf("clock_ticks=%d\n", ticks);
    return 0;
}

// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game clock: whole seconds each second, tenths once ten pairs are open, held while the
// options window is open, and the caption it shows.
#pragma once

#include <QLocale>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>

class GameClock : public QObject {
    Q_OBJECT

  public:
    // `openPairs` tells how many pairs the board has open: from ten on the seconds step leaves
    // the caption to the tenths step.
    explicit GameClock(std::function<int()> openPairs, QObject *parent = nullptr);

    qint16 seconds() const { return m_seconds; }
    qint16 tenths() const { return m_tenths; }
    // What the time label shows: "Time" until the first step, then the time, such as "57" or
    // "57.3" (in the locale's form).
    QString caption() const;
    // The time the caption shows, or nothing before the first step.
    std::optional<double> shown() const { return m_shown; }
    bool running() const { return m_secondsTimer.isActive(); }
    bool tenthsRunning() const { return m_tenthsTimer.isActive(); }

    // The seconds start (again) from where they are; the tenths are started by the board.
    void start();
    void startTenths();
    void stopTenths();
    // The seconds wait (for a riddle); the tenths go on.
    void stopSeconds();
    // Both steps stop: the game is won, or its window closes.
    void stop();
    // Back to 0 seconds; the caption shows the old time until the next step.
    void reset();
    // A new main window: the caption is "Time" again, the count goes on.
    void showNoTime();
    // The won game's time: a game won before the first step takes the count of seconds, so that
    // the result is always a number.
    double settle();

    // Around the options window: Cancel gives back the time spent there.
    void hold();
    void restore();

    // One step of each timer (the timers call them; tests may too).
    void secondsStep();
    void tenthsStep(const QLocale &locale = QLocale());

  signals:
    void captionChanged(const QString &caption);

  private:
    void show(double value, const QString &caption);

    std::function<int()> m_openPairs;
    QTimer m_secondsTimer;
    QTimer m_tenthsTimer;
    // The counts stop at their largest value.
    qint16 m_seconds = 0;
    qint16 m_tenths = 0;
    qint16 m_held = 0;
    std::optional<double> m_shown;
    QString m_caption;
};

// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The clock's two steps on 16-bit counters, which stop at their largest value.
#include "game/gameclock.h"

#include "game/board.h"
#include "ui/localenumber.h"

#include <limits>

namespace {

constexpr int SecondsInterval = 1000;
constexpr int TenthsInterval = 100;

void increment(qint16 &counter) {
    if (counter < std::numeric_limits<qint16>::max())
        ++counter;
}

} // namespace

GameClock::GameClock(std::function<int()> openPairs, QObject *parent)
    : QObject(parent), m_openPairs(std::move(openPairs)) {
    for (QTimer *timer : {&m_secondsTimer, &m_tenthsTimer})
        timer->setTimerType(Qt::PreciseTimer);
    connect(&m_secondsTimer, &QTimer::timeout, this, [this] { secondsStep(); });
    connect(&m_tenthsTimer, &QTimer::timeout, this, [this] { tenthsStep(); });
}

QString GameClock::caption() const {
    return m_shown ? m_caption : QStringLiteral("Time");
}

void GameClock::start() {
    m_secondsTimer.start(SecondsInterval);
}

void GameClock::startTenths() {
    m_tenthsTimer.start(TenthsInterval);
}

void GameClock::stopTenths() {
    m_tenthsTimer.stop();
}

void GameClock::stopSeconds() {
    m_secondsTimer.stop();
}

void GameClock::stop() {
    m_secondsTimer.stop();
    m_tenthsTimer.stop();
}

void GameClock::reset() {
    m_seconds = 0;
}

void GameClock::showNoTime() {
    m_shown.reset();
    emit captionChanged(caption());
}

double GameClock::settle() {
    if (!m_shown)
        show(m_seconds, QString::number(m_seconds));
    return *m_shown;
}

void GameClock::hold() {
    m_held = m_seconds;
}

void GameClock::restore() {
    m_seconds = m_held;
}

void GameClock::secondsStep() {
    increment(m_seconds);
    if (m_openPairs() < TenthsFromPairs) {
        show(m_seconds, QString::number(m_seconds));
        return;
    }
    // The next tenths step then shows the new whole second.
    m_tenths = -1;
}

void GameClock::tenthsStep(const QLocale &locale) {
    increment(m_tenths);
    const double value = m_tenths / 10.0 + m_seconds;
    show(value, formatGeneral(value, locale));
}

void GameClock::show(double value, const QString &caption) {
    m_shown = value;
    m_caption = caption;
    emit captionChanged(caption);
}

// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Test doubles shared by the test executables.
#pragma once

#include "ui/randomsource.h"
#include "ui/soundsink.h"

#include <QStringList>
#include <QVector>
#include <random>

// Remembers every sound the game asked for, in order.
class RecordingSound : public SoundSink {
  public:
    void play(const QString &path) override { played.append(path); }
    QStringList played;
};

// Gives the scripted values in order, then continues with a fixed-seed generator.
class ScriptedRandom : public RandomSource {
  public:
    explicit ScriptedRandom(QVector<double> draws = {}, unsigned seed = 1)
        : m_draws(std::move(draws)), m_engine(seed) {}
    void seedFromClock() override { ++m_seedCalls; }
    double next() override {
        const int i = m_taken++;
        if (i < m_draws.size())
            return m_draws.at(i);
        const double r = std::generate_canonical<double, 32>(m_engine);
        return r < 1.0 ? r : 0.0;
    }
    int seedCalls() const { return m_seedCalls; }

  private:
    QVector<double> m_draws;
    std::mt19937 m_engine;
    int m_taken = 0;
    int m_seedCalls = 0;
};

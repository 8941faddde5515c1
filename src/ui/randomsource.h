// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's source of uniform random numbers, handed in so that tests can script the draws.
#pragma once

#include <QVector>
#include <random>

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // Starts a fresh sequence from the system clock.
    virtual void seedFromClock() = 0;
    // A uniform draw in [0, 1).
    virtual double next() = 0;
};

class ClockRandom : public RandomSource {
  public:
    ClockRandom();
    void seedFromClock() override;
    double next() override;

  private:
    std::mt19937 m_engine;
};

// The whole part of count * r for a draw r in [0, 1), kept inside 0..count-1 even when the
// product rounds up to count; 0 for a count below 1 or a draw that is not a number.
int wholePart(int count, double r);

// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The clock-seeded random source and the whole part of a draw.
#include "ui/randomsource.h"

#include <chrono>
#include <cmath>

namespace {
double uniform(std::mt19937 &engine) {
    // generate_canonical can return 1.0 with some library versions; keep the draw below 1.
    const double r = std::generate_canonical<double, 32>(engine);
    return r < 1.0 ? r : 0.0;
}
} // namespace

ClockRandom::ClockRandom() {
    seedFromClock();
}

void ClockRandom::seedFromClock() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seq{static_cast<unsigned>(now), static_cast<unsigned>(now >> 32),
                      std::random_device{}()};
    m_engine.seed(seq);
}

double ClockRandom::next() {
    return uniform(m_engine);
}

int wholePart(int count, double r) {
    const double product = std::trunc(count * r);
    if (!(product > 0))
        return 0;
    return product >= count ? count - 1 : static_cast<int>(product);
}

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

// Gives the scripted values in order, then continues with a fixed-seed generator.
class ScriptedRandom : public RandomSource {
  public:
    explicit ScriptedRandom(QVector<double> draws = {}, unsigned seed = 1);
    void seedFromClock() override { ++m_seedCalls; }
    double next() override;
    int seedCalls() const { return m_seedCalls; }
    int drawsTaken() const { return m_taken; }

  private:
    QVector<double> m_draws;
    std::mt19937 m_engine;
    int m_taken = 0;
    int m_seedCalls = 0;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Uniform random numbers in [0, 1), re-seeded from a clock. The shuffle takes
// this as an interface so that tests can decide the order of a deck.

#include <chrono>
#include <functional>
#include <random>

namespace platform {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual void reseedFromClock() = 0;
  virtual double next() = 0;  // in [0, 1)
};

using Clock = std::function<std::chrono::system_clock::time_point()>;

class ClockSeededRandom : public RandomSource {
 public:
  explicit ClockSeededRandom(Clock clock = [] { return std::chrono::system_clock::now(); });
  void reseedFromClock() override;
  double next() override;

 private:
  Clock clock_;
  std::mt19937_64 engine_;
  std::uniform_real_distribution<double> uniform_{0.0, 1.0};
};

}  // namespace platform

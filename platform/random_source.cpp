// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/random_source.h"

namespace platform {

ClockSeededRandom::ClockSeededRandom(Clock clock) : clock_(std::move(clock)) {
  reseedFromClock();
}

void ClockSeededRandom::reseedFromClock() {
  const auto ticks = clock_().time_since_epoch().count();
  engine_.seed(static_cast<std::mt19937_64::result_type>(ticks));
  uniform_.reset();
}

double ClockSeededRandom::next() {
  // uniform_real_distribution may return its upper bound through rounding.
  double value = uniform_(engine_);
  while (value >= 1.0)
    value = uniform_(engine_);
  return value;
}

}  // namespace platform

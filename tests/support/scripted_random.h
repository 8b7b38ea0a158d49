// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Random numbers from a list, so a shuffle gives a known order; after the
// list runs out, a fixed-seed sequence.

#include <cstddef>
#include <random>
#include <vector>

#include "platform/random_source.h"

namespace testing_support {

class ScriptedRandom : public platform::RandomSource {
 public:
  explicit ScriptedRandom(std::vector<double> values = {}) : values_(std::move(values)) {}
  void reseedFromClock() override { ++reseeds; }
  double next() override {
    if (next_ < values_.size()) return values_[next_++];
    return fallback_(engine_);
  }
  void script(std::vector<double> values) {
    values_ = std::move(values);
    next_ = 0;
  }

  int reseeds = 0;

 private:
  std::vector<double> values_;
  std::size_t next_ = 0;
  std::mt19937 engine_{12345};
  std::uniform_real_distribution<double> fallback_{0.0, 0.999};
};

// Keys 1, 2, 3, ... for the 53 passes of a shuffle: the deck comes out in the
// order of the full card table, "1C", "1D", "1H", "1S", "2C", ...
inline std::vector<double> keysInTableOrder() {
  std::vector<double> values;
  for (int key = 1; key <= 53; ++key)
    values.push_back((key + 0.5) / 100.0);
  return values;
}

}  // namespace testing_support

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Wall-clock timing and medians for the benchmark programs.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace bench {

inline double secondsOf(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

inline double median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// One line a figure, "name value unit", for run.sh to pick up.
inline void report(const std::string& name, double value, const std::string& unit) {
  std::printf("%s %.6f %s\n", name.c_str(), value, unit.c_str());
  std::fflush(stdout);
}

}  // namespace bench

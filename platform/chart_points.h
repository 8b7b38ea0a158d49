// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A long line of values drawn in a chart a few hundred pixels wide: only the
// points that shape it are kept.

#include <cstddef>
#include <span>
#include <vector>

namespace platform {

struct ChartPoint {
  double step;  // 1 for the first value
  double value;
  friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

// The values from `first` up to `end` as points, at most about `most` of
// them: each stretch of values keeps its first, lowest, highest and last, in
// their order, so no peak or dip is lost. Short lines keep every value.
std::vector<ChartPoint> thinnedLine(std::span<const double> values, std::size_t first, std::size_t end,
                                    std::size_t most);

}  // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/chart_points.h"

#include <algorithm>

namespace platform {

std::vector<ChartPoint> thinnedLine(std::span<const double> values, std::size_t first, std::size_t end,
                                    std::size_t most) {
  end = std::min(end, values.size());
  std::vector<ChartPoint> points;
  if (first >= end) return points;
  auto point = [&](std::size_t i) { return ChartPoint{static_cast<double>(i + 1), values[i]}; };
  const std::size_t count = end - first;
  if (count <= most || most < 4) {
    for (std::size_t i = first; i < end; ++i)
      points.push_back(point(i));
    return points;
  }
  // Four points a stretch.
  const std::size_t stretch = (count + most / 4 - 1) / (most / 4);
  for (std::size_t from = first; from < end; from += stretch) {
    const std::size_t to = std::min(from + stretch, end);
    const auto span = values.subspan(from, to - from);
    const auto [low, high] = std::minmax_element(span.begin(), span.end());
    std::size_t picks[] = {from, from + static_cast<std::size_t>(low - span.begin()),
                           from + static_cast<std::size_t>(high - span.begin()), to - 1};
    std::sort(std::begin(picks), std::end(picks));
    for (std::size_t i = 0; i < 4; ++i)
      if (i == 0 || picks[i] != picks[i - 1]) points.push_back(point(picks[i]));
  }
  return points;
}

}  // namespace platform

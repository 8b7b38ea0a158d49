// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/chart_points.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

TEST(ChartPointsTest, AShortLineKeepsEveryValueNumberedFromOne) {
  const std::vector<double> values = {3000, 3010, 2990};
  EXPECT_EQ(thinnedLine(values, 0, 3, 100), (std::vector<ChartPoint>{{1, 3000}, {2, 3010}, {3, 2990}}));
  EXPECT_EQ(thinnedLine(values, 1, 3, 100), (std::vector<ChartPoint>{{2, 3010}, {3, 2990}}));
  EXPECT_TRUE(thinnedLine(values, 3, 3, 100).empty());
  EXPECT_TRUE(thinnedLine(values, 2, 99, 100).size() == 1) << "an end past the values stops at them";
}

TEST(ChartPointsTest, ALongLineKeepsItsPeaksAndEndsWithinTheLimit) {
  std::vector<double> values(100000);
  for (std::size_t i = 0; i < values.size(); ++i)
    values[i] = 3000 + 100 * std::sin(static_cast<double>(i) / 500);
  values[54321] = 99999;  // one deal's peak
  values[777] = -5000;    // and one dip
  const std::vector<ChartPoint> points = thinnedLine(values, 0, values.size(), 2000);
  EXPECT_LE(points.size(), 2000U);
  EXPECT_GE(points.size(), 1000U);
  EXPECT_EQ(points.front(), (ChartPoint{1, values.front()}));
  EXPECT_EQ(points.back(), (ChartPoint{100000, values.back()}));
  EXPECT_NE(std::find(points.begin(), points.end(), ChartPoint{54322, 99999}), points.end());
  EXPECT_NE(std::find(points.begin(), points.end(), ChartPoint{778, -5000}), points.end());
  EXPECT_TRUE(std::is_sorted(points.begin(), points.end(),
                             [](const ChartPoint& a, const ChartPoint& b) { return a.step < b.step; }));
}

}  // namespace
}  // namespace platform

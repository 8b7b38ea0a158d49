// SPDX-License-Identifier: GPL-3.0-or-later
// The reader of statistics.dat: any content gives the deals it holds or none
// with a reason, never a crash; what is read writes back to the same bytes
// and reads again as the same deals.

#include <cmath>

#include "data_file_fuzz.h"
#include "fuzz_check.h"
#include "game/statistics/statistics_file.h"
#include "game/statistics/summary.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto file = fuzzDataFolder() / game::kStatisticsFileName;
  putBytes(file, fuzzText(data, size));
  const game::StatisticsRead read = game::readStatisticsFile(file);
  if (read.outcome != game::StatisticsRead::Outcome::Read) {
    FUZZ_CHECK(read.deals.empty() && !read.reason.empty());
    return 0;
  }
  for (const game::DealRecord& deal : read.deals) {
    FUZZ_CHECK(std::isfinite(deal.net) && std::isfinite(deal.bank));
    FUZZ_CHECK(deal.handsWon + deal.handsLost + deal.handsPushed <= 2);
  }
  const game::Summary summary = game::summarize(read.deals);
  FUZZ_CHECK(summary.deals == static_cast<long>(read.deals.size()));
  FUZZ_CHECK(summary.longestWinningRun + summary.longestLosingRun <= summary.deals);

  FUZZ_CHECK(game::writeStatisticsFile(file, read.deals));
  const std::string written = fileBytes(file);
  const game::StatisticsRead again = game::readStatisticsFile(file);
  FUZZ_CHECK(again.outcome == game::StatisticsRead::Outcome::Read && again.deals.size() == read.deals.size());
  for (std::size_t i = 0; i < read.deals.size(); ++i) {
    // The plain form keeps fifteen digits: once written, a deal stays as it is.
    FUZZ_CHECK(game::formatDealRecord(again.deals[i]) == game::formatDealRecord(read.deals[i]));
  }
  FUZZ_CHECK(game::writeStatisticsFile(file, again.deals) && fileBytes(file) == written);
  return 0;
}

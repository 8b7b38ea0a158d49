// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/statistics/statistics_book.h"

#include <system_error>

#include "game/statistics/statistics_file.h"
#include "game/table.h"

namespace game {

std::filesystem::path statisticsFilePath(const Table& t) {
  return t.dataFolder / kStatisticsFileName;
}

void recordDeal(Table& t, const DealRecord& deal) {
  t.statistics.deals.push_back(deal);
}

void readEarlierDeals(Table& t) {
  StatisticsBook& book = t.statistics;
  if (book.earlierRead) return;
  book.earlierRead = true;
  const std::filesystem::path file = statisticsFilePath(t);
  StatisticsRead read = readStatisticsFile(file);
  switch (read.outcome) {
    case StatisticsRead::Outcome::Read:
      break;
    case StatisticsRead::Outcome::Missing:
      return;
    case StatisticsRead::Outcome::Unreadable:
      book.keepFileAsItIs = true;
      t.host.messageBox(
          "Your statistics could not be read from " + file.string() + " (" + read.reason +
              "). This game keeps statistics of its own deals only and leaves that file as it is.",
          platform::MessageButtons::Ok);
      return;
    case StatisticsRead::Outcome::Damaged: {
      // Set aside rather than overwritten, so nothing of it is lost.
      std::filesystem::path aside = file;
      aside += ".damaged";
      std::error_code failed;
      std::filesystem::rename(file, aside, failed);
      t.host.messageBox("Your statistics in " + file.string() + " are damaged (" + read.reason +
                            "). They start again from nothing" +
                            (failed ? "." : "; the damaged file is kept as " + aside.string() + "."),
                        platform::MessageButtons::Ok);
      if (failed) book.keepFileAsItIs = true;
      return;
    }
  }
  read.deals.insert(read.deals.end(), book.deals.begin(), book.deals.end());
  book.sessionStart += read.deals.size() - book.deals.size();
  book.deals = std::move(read.deals);
}

std::string saveStatisticsOnLeaving(Table& t) {
  readEarlierDeals(t);
  if (t.statistics.keepFileAsItIs || writeStatisticsFile(statisticsFilePath(t), t.statistics.deals))
    return {};
  return "Your statistics could not be saved to " + statisticsFilePath(t).string() + ".";
}

bool resetStatistics(Table& t) {
  readEarlierDeals(t);
  const std::filesystem::path file = statisticsFilePath(t);
  if (!writeStatisticsFile(file, {})) {
    t.host.messageBox("Your statistics could not be reset: " + file.string() + " could not be written.",
                      platform::MessageButtons::Ok);
    return false;
  }
  t.statistics.deals.clear();
  t.statistics.sessionStart = 0;
  t.statistics.keepFileAsItIs = false;
  return true;
}

}  // namespace game

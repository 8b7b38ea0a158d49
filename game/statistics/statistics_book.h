// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The statistics of the table: the deals of earlier runs, read from the
// statistics file only when first needed (the Statistics window, leaving,
// Reset), so a long history does not slow the start, and this run's deals.
// Written at the same moments as the player file, so the two tell the same
// story after a crash.

#include <filesystem>
#include <string>
#include <vector>

#include "game/statistics/deal_record.h"

namespace game {

class Table;

struct StatisticsBook {
  std::vector<DealRecord> deals;  // all time, earlier runs first once read
  std::size_t sessionStart = 0;   // index of this run's first deal in `deals`
  bool earlierRead = false;
  // The file could not be read at all (a folder, no permission): this run
  // leaves it alone.
  bool keepFileAsItIs = false;
};

std::filesystem::path statisticsFilePath(const Table& t);

// Adds a finished deal to this run's statistics.
void recordDeal(Table& t, const DealRecord& deal);

// Reads the earlier runs' deals once, in front of this run's. A damaged file
// is set aside under a name of its own and the statistics start empty; an
// unreadable one is left alone. Either says so once.
void readEarlierDeals(Table& t);

// Writes every deal to the statistics file; what to tell the player when it
// cannot, else nothing.
std::string saveStatisticsOnLeaving(Table& t);

// Forgets every deal, of this run and of the earlier ones, and writes the
// empty file at once. False, with a message, when the file cannot be written.
bool resetStatistics(Table& t);

}  // namespace game

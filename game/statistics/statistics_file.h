// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The statistics file beside the player file: a first line naming it, then
// one line a deal, each ended by CR LF. A line holds the deal's counts and
// its net and bank, separated by blanks:
//   won lost pushed naturals doubles split surrenders insured insurancePaid net bank
// The file is written whole to a new file and renamed over the old one, so a
// crash leaves either the old file or the new one.

#include <filesystem>
#include <string>
#include <vector>

#include "game/statistics/deal_record.h"
#include "platform/text_file.h"

namespace game {

inline constexpr const char* kStatisticsFileName = "statistics.dat";
inline constexpr const char* kStatisticsHeader = "Tavorin statistics 1";

std::string formatDealRecord(const DealRecord& record);
// Nothing when the line is not one whole record.
std::optional<DealRecord> parseDealRecord(const std::string& line);

struct StatisticsRead {
  enum class Outcome { Read, Missing, Damaged, Unreadable };
  Outcome outcome = Outcome::Read;
  std::vector<DealRecord> deals;  // empty unless Read
  std::string reason;             // why a damaged or unreadable file was not taken, in plain words
};

// Never throws; a damaged file gives no deals and says where it broke.
StatisticsRead readStatisticsFile(const std::filesystem::path& file);

[[nodiscard]] bool writeStatisticsFile(const std::filesystem::path& file,
                                       const std::vector<DealRecord>& deals,
                                       const platform::RenameFile& rename = {});

}  // namespace game

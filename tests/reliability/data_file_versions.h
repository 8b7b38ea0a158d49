// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Numbered versions of the data files for the crash tests: the writer saves
// version k through the programs' own save functions, the checker reads the
// file back with their own load functions and asks which version it holds.

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "game/bankroll/player_file.h"
#include "game/statistics/statistics_file.h"
#include "platform/text_number.h"
#include "support/fake_host.h"
#include "support/scripted_random.h"
#include "transfer/local/filter_file.h"
#include "transfer/local/ftp.h"
#include "transfer/local/quillmere.h"
#include "transfer/remote/connection_settings.h"

namespace reliability {

// A file the tests know: "user.dat", "statistics.dat", "user.db" or "filters.db".
struct DataFile {
  std::string name;
  bool (*save)(const std::filesystem::path& folder, long version);
  // The version the file holds when read by the program, or nothing when it
  // is not one whole version.
  std::optional<long> (*load)(const std::filesystem::path& folder);
};

inline bool savePlayerVersion(const std::filesystem::path& folder, long version) {
  testing_support::FakeHost host;
  testing_support::ScriptedRandom random;
  game::Table t(host, random, "/nonexistent-assets", folder);
  t.money.bankBalance = static_cast<double>(version);
  t.money.debt = static_cast<double>(version) + 0.5;
  return game::savePlayerFile(t);
}

inline std::optional<long> loadPlayerVersion(const std::filesystem::path& folder) {
  testing_support::FakeHost host;
  testing_support::ScriptedRandom random;
  game::Table t(host, random, "/nonexistent-assets", folder);
  game::loadPlayerFile(t);
  const auto version = static_cast<long>(t.money.bankBalance);
  if (t.money.bankBalance != static_cast<double>(version) || t.money.debt != t.money.bankBalance + 0.5)
    return std::nullopt;
  return version;
}

// Enough deals that a write takes several blocks, each telling the version.
constexpr int kRecordedDeals = 400;

inline bool saveStatisticsVersion(const std::filesystem::path& folder, long version) {
  const game::DealRecord deal{
      .handsWon = 1, .net = static_cast<double>(version) + 0.5, .bank = static_cast<double>(version)};
  return game::writeStatisticsFile(folder / game::kStatisticsFileName,
                                   std::vector<game::DealRecord>(kRecordedDeals, deal));
}

inline std::optional<long> loadStatisticsVersion(const std::filesystem::path& folder) {
  const game::StatisticsRead read = game::readStatisticsFile(folder / game::kStatisticsFileName);
  if (read.outcome != game::StatisticsRead::Outcome::Read || read.deals.size() != kRecordedDeals)
    return std::nullopt;
  const auto version = static_cast<long>(read.deals.front().bank);
  for (const game::DealRecord& deal : read.deals)
    if (deal.bank != static_cast<double>(version) || deal.net != deal.bank + 0.5) return std::nullopt;
  return version;
}

// Long enough that a write takes more than one block.
inline std::string passwordOf(long version) {
  return "secret-" + std::to_string(version) + "-" + std::string(3000, 'x');
}

inline void fillSettings(transfer::FTP& f, long version) {
  const std::string k = std::to_string(version);
  f.settings.serverAddress = "host-" + k + ".example.org";
  f.Text1.setText("/local/" + k);
  f.settings.networkFolder = "/network/" + k;
  f.settings.userName = "user-" + k;
  f.settings.password = passwordOf(version);
  f.settings.port = static_cast<double>(1 + version % 65535);
}

inline bool saveSettingsVersion(const std::filesystem::path& folder, long version) {
  testing_support::FakeHost host;
  transfer::Quillmere fProgram(host, "/nonexistent-assets", folder, folder / "Downloads");
  transfer::FTP& f = fProgram.window;
  fillSettings(f, version);
  return transfer::saveSettings(f);
}

inline std::optional<long> loadSettingsVersion(const std::filesystem::path& folder) {
  testing_support::FakeHost host;
  transfer::Quillmere fProgram(host, "/nonexistent-assets", folder, folder / "Downloads");
  transfer::FTP& f = fProgram.window;
  transfer::loadSettings(f);
  const std::string& user = f.settings.userName;
  if (!user.starts_with("user-")) return std::nullopt;
  const long version = static_cast<long>(platform::leadingNumber(user.substr(5)));
  transfer::Quillmere expectedProgram(host, "/nonexistent-assets", folder, folder / "Downloads");
  transfer::FTP& expected = expectedProgram.window;
  fillSettings(expected, version);
  const bool whole =
      f.settings.serverAddress == expected.settings.serverAddress &&
      f.Text1.text() == expected.Text1.text() &&
      f.settings.networkFolder == expected.settings.networkFolder && user == expected.settings.userName &&
      f.settings.password == expected.settings.password && f.settings.port == expected.settings.port;
  return whole ? std::optional<long>(version) : std::nullopt;
}

// "All", the version's own filter and enough others to take several blocks.
inline std::vector<std::string> filtersOf(long version) {
  std::vector<std::string> filters = {"All", "v" + std::to_string(version)};
  for (int i = 0; i < 2000; ++i)
    filters.push_back("x" + std::to_string(i));
  std::sort(filters.begin(), filters.end());
  return filters;
}

inline bool saveFiltersVersion(const std::filesystem::path& folder, long version) {
  testing_support::FakeHost host;
  transfer::Quillmere fProgram(host, "/nonexistent-assets", folder, folder / "Downloads");
  transfer::FTP& f = fProgram.window;
  f.Combo1.clearItems();
  for (const std::string& filter : filtersOf(version))
    f.Combo1.addItem(filter);
  return transfer::saveFilters(f);
}

inline std::optional<long> loadFiltersVersion(const std::filesystem::path& folder) {
  testing_support::FakeHost host;
  transfer::Quillmere fProgram(host, "/nonexistent-assets", folder, folder / "Downloads");
  transfer::FTP& f = fProgram.window;
  f.Combo1.clearItems();
  transfer::loadFilters(f);
  std::vector<std::string> items = f.Combo1.items;
  std::sort(items.begin(), items.end());
  const auto own =
      std::find_if(items.begin(), items.end(), [](const std::string& x) { return x.starts_with("v"); });
  if (own == items.end()) return std::nullopt;
  const long version = static_cast<long>(platform::leadingNumber(own->substr(1)));
  return items == filtersOf(version) ? std::optional<long>(version) : std::nullopt;
}

inline const DataFile* findDataFile(const std::string& name) {
  static const DataFile files[] = {
      {"user.dat", savePlayerVersion, loadPlayerVersion},
      {"statistics.dat", saveStatisticsVersion, loadStatisticsVersion},
      {"user.db", saveSettingsVersion, loadSettingsVersion},
      {"filters.db", saveFiltersVersion, loadFiltersVersion},
  };
  for (const DataFile& file : files)
    if (file.name == name) return &file;
  return nullptr;
}

}  // namespace reliability

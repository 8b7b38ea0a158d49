// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/local/filter_file.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/text_file.h"

namespace transfer {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMaxFilters = 10000;
constexpr std::size_t kMaxFilterLength = 4096;

bool isTyped(const std::string& line) {
  return line.size() <= kMaxFilterLength && std::none_of(line.begin(), line.end(), [](char c) {
           return (static_cast<unsigned char>(c) < 0x20) || c == 0x7f;
         });
}

}  // namespace

fs::path filterFilePath(const FTP& f) {
  return f.dataFolder / "filters.db";
}

bool fileExists(const fs::path& file) {
  std::error_code error;
  if (!fs::is_regular_file(file, error)) return false;
  return std::ifstream(file).is_open();
}

std::optional<std::vector<std::string>> readFilterFile(const fs::path& file) {
  auto lines = platform::readLines(file, kMaxFilters + 1, kMaxFilterLength + 1);
  if (!lines || lines->size() > kMaxFilters || !std::all_of(lines->begin(), lines->end(), isTyped))
    return std::nullopt;
  std::erase(*lines, std::string());
  return lines;
}

void loadFilters(FTP& f) {
  const fs::path file = filterFilePath(f);
  if (!fileExists(file)) return;
  const auto filters = readFilterFile(file);
  if (!filters) {
    platform::writeLinesReplacing(file, {"All"});
    f.Combo1.clearItems();
    f.Combo1.addItem("All");
    return;
  }
  for (const std::string& filter : *filters)
    f.Combo1.addItem(filter);
}

bool saveFilters(FTP& f) {
  // Only what reads back: one odd entry must not cost the others at the next start.
  std::vector<std::string> filters;
  std::copy_if(f.Combo1.items.begin(), f.Combo1.items.end(), std::back_inserter(filters), isTyped);
  return platform::writeLinesReplacing(filterFilePath(f), filters);
}

}  // namespace transfer

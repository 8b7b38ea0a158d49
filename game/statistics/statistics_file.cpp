// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/statistics/statistics_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

#include "platform/text_number.h"

namespace game {
namespace {

// More deals than anyone plays; a file longer than this is not read whole.
constexpr std::size_t kMostLines = 10'000'000;
constexpr std::size_t kLongestLine = 200;
constexpr int kFields = 11;

bool readCount(std::string_view text, int most, int& out) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
  return error == std::errc() && end == text.data() + text.size() && out >= 0 && out <= most;
}

bool readAmount(std::string_view text, double& out) {
  // from_chars for doubles reads the plain form exactly and never throws.
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
  return error == std::errc() && end == text.data() + text.size() && std::isfinite(out);
}

}  // namespace

std::string formatDealRecord(const DealRecord& r) {
  std::string line;
  for (int count : {r.handsWon, r.handsLost, r.handsPushed, r.naturals, r.doubles, int{r.split}, r.surrenders,
                    int{r.insuranceTaken}, int{r.insurancePaid}}) {
    line += std::to_string(count);
    line += ' ';
  }
  return line + platform::plainForm(r.net) + ' ' + platform::plainForm(r.bank);
}

std::optional<DealRecord> parseDealRecord(const std::string& line) {
  // Read once for each of many thousand lines, so no stream.
  std::array<std::string_view, kFields> fields;
  std::size_t count = 0;
  const std::string_view text = line;
  for (std::size_t at = 0; at < text.size();) {
    if (text[at] == ' ') {
      ++at;
      continue;
    }
    const std::size_t end = std::min(text.find(' ', at), text.size());
    if (count == kFields) return std::nullopt;
    fields[count++] = text.substr(at, end - at);
    at = end;
  }
  if (count != kFields) return std::nullopt;
  DealRecord r;
  int split = 0, insured = 0, paid = 0;
  // A deal has at most two hands.
  const bool counts = readCount(fields[0], 2, r.handsWon) && readCount(fields[1], 2, r.handsLost) &&
                      readCount(fields[2], 2, r.handsPushed) && readCount(fields[3], 2, r.naturals) &&
                      readCount(fields[4], 2, r.doubles) && readCount(fields[5], 1, split) &&
                      readCount(fields[6], 2, r.surrenders) && readCount(fields[7], 1, insured) &&
                      readCount(fields[8], 1, paid);
  if (!counts || !readAmount(fields[9], r.net) || !readAmount(fields[10], r.bank)) return std::nullopt;
  if (r.handsWon + r.handsLost + r.handsPushed > 2 || (paid && !insured)) return std::nullopt;
  r.split = split;
  r.insuranceTaken = insured;
  r.insurancePaid = paid;
  return r;
}

StatisticsRead readStatisticsFile(const std::filesystem::path& file) {
  StatisticsRead result;
  const platform::LinesRead read = platform::readLinesOf(file, kMostLines + 1, kLongestLine);
  if (read.outcome == platform::LinesRead::Outcome::Missing) {
    result.outcome = StatisticsRead::Outcome::Missing;
    return result;
  }
  if (read.outcome == platform::LinesRead::Outcome::Unreadable) {
    result.outcome = StatisticsRead::Outcome::Unreadable;
    result.reason = read.reason;
    return result;
  }
  auto damaged = [&](std::string why) {
    result.outcome = StatisticsRead::Outcome::Damaged;
    result.deals.clear();
    result.reason = std::move(why);
    return result;
  };
  if (read.lines.empty() || read.lines[0] != kStatisticsHeader) return damaged("it does not begin as one");
  if (read.lines.size() > kMostLines) return damaged("it is too long");
  result.deals.reserve(read.lines.size() - 1);
  for (std::size_t n = 1; n < read.lines.size(); ++n) {
    std::optional<DealRecord> record = parseDealRecord(read.lines[n]);
    if (!record) return damaged("line " + std::to_string(n + 1) + " is damaged");
    result.deals.push_back(*record);
  }
  return result;
}

bool writeStatisticsFile(const std::filesystem::path& file, const std::vector<DealRecord>& deals,
                         const platform::RenameFile& rename) {
  std::vector<std::string> lines;
  lines.reserve(deals.size() + 1);
  lines.emplace_back(kStatisticsHeader);
  for (const DealRecord& deal : deals)
    lines.push_back(formatDealRecord(deal));
  return platform::writeLinesReplacing(file, lines, rename);
}

}  // namespace game

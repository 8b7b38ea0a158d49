// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/control/listing_parser.h"

#include <algorithm>
#include <array>
#include <vector>

#include "platform/text_case.h"

namespace transfer {
namespace {

struct Token {
  std::size_t start;
  std::string_view text;
};

std::vector<Token> tokens(std::string_view line) {
  std::vector<Token> result;
  std::size_t at = 0;
  while (true) {
    at = line.find_first_not_of(' ', at);
    if (at == std::string_view::npos) break;
    const std::size_t end = std::min(line.find(' ', at), line.size());
    result.push_back({at, line.substr(at, end - at)});
    at = end;
  }
  return result;
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

bool isNumber(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), isDigit);
}

// `pattern` uses "9" for a digit; other characters must match as they are.
bool matches(std::string_view text, std::string_view pattern) {
  return text.size() == pattern.size() &&
         std::equal(text.begin(), text.end(), pattern.begin(),
                    [](char t, char p) { return p == '9' ? isDigit(t) : t == p; });
}

bool isMonth(std::string_view text) {
  static constexpr std::array<std::string_view, 12> kMonths = {"jan", "feb", "mar", "apr", "may", "jun",
                                                               "jul", "aug", "sep", "oct", "nov", "dec"};
  return std::any_of(kMonths.begin(), kMonths.end(),
                     [&](std::string_view m) { return platform::equalIgnoringCase(text, m); });
}

bool isDay(std::string_view text) {
  return isNumber(text) && text.size() <= 2;
}

bool isClock(std::string_view text) {
  return matches(text, "99:99") || matches(text, "9:99");
}

bool isTimeOrYear(std::string_view text) {
  return isClock(text) || matches(text, "9999");
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && platform::equalIgnoringCase(text.substr(0, prefix.size()), prefix);
}

bool isSpecialName(std::string_view name) {
  return name.empty() || name == "." || name == "..";
}

std::string_view withoutCarriageReturn(std::string_view line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
    line.remove_suffix(1);
  return line;
}

bool isUnixMode(std::string_view mode) {
  static constexpr std::string_view kTypes = "-dlbcps";
  static constexpr std::string_view kRights = "-rwxsStTlL";
  if (mode.size() == 11 && std::string_view("+@.").find(mode[10]) != std::string_view::npos)
    mode.remove_suffix(1);
  return mode.size() == 10 && kTypes.find(mode[0]) != std::string_view::npos &&
         std::all_of(mode.begin() + 1, mode.end(),
                     [](char c) { return kRights.find(c) != std::string_view::npos; });
}

// "drwxr-xr-x 2 owner group 4096 Jan  1 12:00 name"; the owner or group may be
// missing or hold a blank, so the name is found after the size and date
// rather than by column. It starts right after the one blank that ends the
// time or year: a blank beyond that one is the name's own.
std::optional<ListingEntry> parseUnixLine(std::string_view line) {
  const std::vector<Token> t = tokens(line);
  if (t.size() < 5 || !isUnixMode(t[0].text)) return std::nullopt;
  std::optional<std::size_t> dateEnd;
  for (std::size_t i = 2; i + 2 < t.size() && !dateEnd; ++i) {
    if (!isNumber(t[i - 1].text)) continue;
    if (isMonth(t[i].text) && isDay(t[i + 1].text) && isTimeOrYear(t[i + 2].text)) dateEnd = i + 2;
    if (matches(t[i].text, "9999-99-99") && isClock(t[i + 1].text)) dateEnd = i + 1;
  }
  if (!dateEnd) return std::nullopt;
  const std::size_t nameStart = t[*dateEnd].start + t[*dateEnd].text.size() + 1;
  std::string_view name = nameStart < line.size() ? line.substr(nameStart) : std::string_view();
  const bool isLink = t[0].text[0] == 'l';
  if (isLink) name = name.substr(0, name.find(" -> "));
  if (isSpecialName(name)) return std::nullopt;
  return ListingEntry{std::string(name), t[0].text[0] == 'd', isLink};
}

// "01-15-23  10:30AM       <DIR>          name" or "...  1234 name". IIS puts
// ten blanks after "<DIR>" and one after a size; a blank beyond those is the
// name's own. Servers that pad less are read up to the first non-blank.
std::optional<ListingEntry> parseDosLine(std::string_view line) {
  static constexpr std::size_t kBlanksAfterDir = 10;
  const std::vector<Token> t = tokens(line);
  if (t.size() < 4) return std::nullopt;
  const std::string_view date = t[0].text;
  if (!matches(date, "99-99-99") && !matches(date, "99-99-9999")) return std::nullopt;
  std::string_view time = t[1].text;
  if (time.size() == 7 && (platform::equalIgnoringCase(time.substr(5), "AM") ||
                           platform::equalIgnoringCase(time.substr(5), "PM")))
    time.remove_suffix(2);
  if (!isClock(time)) return std::nullopt;
  const bool isDirectory = platform::equalIgnoringCase(t[2].text, "<DIR>");
  if (!isDirectory) {
    std::string size(t[2].text);
    std::erase(size, ',');
    if (!isNumber(size)) return std::nullopt;
  }
  const std::size_t fieldEnd = t[2].start + t[2].text.size();
  const std::size_t blanks = t[3].start - fieldEnd;
  const std::string_view name = line.substr(fieldEnd + (isDirectory ? std::min(blanks, kBlanksAfterDir) : 1));
  if (isSpecialName(name)) return std::nullopt;
  return ListingEntry{std::string(name), isDirectory, false};
}

}  // namespace

// "type=dir;modify=20230115103000;perm=el; name": facts, each ended by ";",
// one blank, the name. A fact may hold a blank (a link's target, a group
// name), so the name starts after the first "; "; a line that starts with the
// blank has no facts.
std::optional<ListingEntry> parseMlsdLine(std::string_view line) {
  line = withoutCarriageReturn(line);
  std::size_t blank = 0;
  if (!line.starts_with(' ')) {
    blank = line.find("; ");
    blank = blank == std::string_view::npos ? line.find(' ') : blank + 1;
  }
  if (blank == std::string_view::npos) return std::nullopt;
  const std::string_view facts = line.substr(0, blank);
  const std::string_view name = line.substr(blank + 1);
  if ((!facts.empty() && facts.find('=') == std::string_view::npos) || isSpecialName(name))
    return std::nullopt;

  ListingEntry entry{std::string(name), false, false};
  std::size_t at = 0;
  while (at < facts.size()) {
    const std::size_t end = std::min(facts.find(';', at), facts.size());
    const std::string_view fact = facts.substr(at, end - at);
    at = end + 1;
    const std::size_t equals = fact.find('=');
    if (equals == std::string_view::npos || !platform::equalIgnoringCase(fact.substr(0, equals), "type"))
      continue;
    const std::string_view type = fact.substr(equals + 1);
    if (platform::equalIgnoringCase(type, "cdir") || platform::equalIgnoringCase(type, "pdir"))
      return std::nullopt;
    entry.isDirectory = platform::equalIgnoringCase(type, "dir");
    // "OS.unix=slink:/target" or "OS.unix=symlink": the target's kind is not told.
    entry.isLink =
        startsWithIgnoringCase(type, "OS.unix=slink") || startsWithIgnoringCase(type, "OS.unix=symlink");
  }
  return entry;
}

std::optional<ListingEntry> parseListLine(std::string_view line) {
  line = withoutCarriageReturn(line);
  if (auto entry = parseUnixLine(line)) return entry;
  return parseDosLine(line);
}

std::vector<ListingEntry> parseListing(std::string_view raw, ListingFormat format) {
  std::vector<ListingEntry> entries;
  std::size_t at = 0;
  while (at < raw.size()) {
    const std::size_t end = std::min(raw.find('\n', at), raw.size());
    const std::string_view line = raw.substr(at, end - at);
    at = end + 1;
    auto entry = format == ListingFormat::Mlsd ? parseMlsdLine(line) : parseListLine(line);
    // A carriage return inside a name would split it into two names of the
    // list, each perhaps naming another file.
    if (!entry || entry->name.find('\r') != std::string::npos) continue;
    entries.push_back(std::move(*entry));
  }
  return entries;
}

std::string formatEntries(const std::vector<ListingEntry>& entries) {
  std::string result;
  for (const ListingEntry& entry : entries) {
    result += entry.name;
    if (entry.isDirectory) result += '/';
    result += "\r\n";
  }
  return result;
}

std::string formatListing(std::string_view raw, ListingFormat format) {
  return formatEntries(parseListing(raw, format));
}

}  // namespace transfer

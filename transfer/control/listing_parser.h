// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reads the folder listings FTP servers send: MLSD fact lines, and LIST lines
// in Unix ("ls -l") or DOS/Windows (IIS) form.

#include <optional>
#include <string>
#include <string_view>

namespace transfer {

struct ListingEntry {
  std::string name;
  bool isDirectory = false;
};

// Each returns nothing for a line to skip: ".", "..", the current and parent
// folder facts, "total N" and anything that does not parse.
std::optional<ListingEntry> parseMlsdLine(std::string_view line);
std::optional<ListingEntry> parseListLine(std::string_view line);

enum class ListingFormat { Mlsd, List };

// The listing as the forms read it: "name\r\n" per entry in the server's
// order, a folder's name ending in "/".
std::string formatListing(std::string_view raw, ListingFormat format);

}  // namespace transfer

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reads the folder listings FTP servers send: MLSD fact lines, and LIST lines
// in Unix ("ls -l") or DOS/Windows (IIS) form.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace transfer {

// A name is kept byte for byte, blanks at either end included: a name the
// server did not send would fetch nothing, or another file.
struct ListingEntry {
  std::string name;
  bool isDirectory = false;
  // A link whose target the listing does not tell: a folder or a file, or
  // missing. Only changing into it can tell.
  bool isLink = false;
};

// Each returns nothing for a line to skip: ".", "..", the current and parent
// folder facts, "total N" and anything that does not parse.
std::optional<ListingEntry> parseMlsdLine(std::string_view line);
std::optional<ListingEntry> parseListLine(std::string_view line);

enum class ListingFormat { Mlsd, List };

// The entries of a listing in the server's order, without those no list can
// hold (a carriage return inside the name).
std::vector<ListingEntry> parseListing(std::string_view raw, ListingFormat format);

// The listing as the forms read it: "name\r\n" per entry, a folder's name
// ending in "/". A link still untold reads as a file.
std::string formatEntries(const std::vector<ListingEntry>& entries);
std::string formatListing(std::string_view raw, ListingFormat format);

}  // namespace transfer

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The checks both listing targets make: every entry is a name the list can
// hold, and the listing the forms read splits into exactly the entries the
// parser found, in order.

#include <string>
#include <vector>

#include "fuzz_check.h"
#include "transfer/control/listing_parser.h"
#include "transfer/remote/browse.h"

inline void checkListing(std::string_view raw, transfer::ListingFormat format) {
  const auto parse =
      format == transfer::ListingFormat::Mlsd ? transfer::parseMlsdLine : transfer::parseListLine;
  std::vector<std::string> expected;
  std::size_t at = 0;
  while (at < raw.size()) {
    const std::size_t end = std::min(raw.find('\n', at), raw.size());
    const std::string_view line = raw.substr(at, end - at);
    const auto entry = parse(line);
    at = end + 1;
    if (!entry) continue;
    FUZZ_CHECK(!entry->name.empty() && entry->name != "." && entry->name != "..");
    // Byte for byte as the server sent it, blanks at either end included.
    FUZZ_CHECK(line.find(entry->name) != std::string_view::npos);
    FUZZ_CHECK(!(entry->isDirectory && entry->isLink));
    if (entry->name.find('\r') != std::string::npos) continue;  // no list can hold it
    expected.push_back(entry->name + (entry->isDirectory ? "/" : ""));
  }
  FUZZ_CHECK(transfer::splitListing(transfer::formatListing(raw, format)) == expected);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// LIST listings: Unix and DOS lines, owner or group missing, links.

#include "listing_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  checkListing(fuzzText(data, size), transfer::ListingFormat::List);
  return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// MLSD listings: fact lines and their names.

#include "listing_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  checkListing(fuzzText(data, size), transfer::ListingFormat::Mlsd);
  return 0;
}

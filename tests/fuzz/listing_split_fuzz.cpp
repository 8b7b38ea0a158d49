// SPDX-License-Identifier: GPL-3.0-or-later
// The listing split rule and the name check that guards every name a server
// sends before it reaches the list, a local path or a request.

#include <string>

#include "fuzz_check.h"
#include "transfer/remote/browse.h"
#include "transfer/remote/remote_name.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = fuzzText(data, size);
  std::size_t total = 0;
  for (const std::string& name : transfer::splitListing(text)) {
    FUZZ_CHECK(!name.empty());
    FUZZ_CHECK(name.find_first_of("\r\n") == std::string::npos);
    total += name.size();
    if (transfer::isSafeRemoteName(name)) {
      std::string_view plain = name;
      if (plain.ends_with('/')) plain.remove_suffix(1);
      FUZZ_CHECK(!plain.empty() && plain != "." && plain != "..");
      FUZZ_CHECK(plain.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos);
      for (char c : plain)
        FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 && c != 0x7f);
    }
    for (char c : transfer::printableName(name))
      FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 && c != 0x7f);
  }
  FUZZ_CHECK(total <= size);
  return 0;
}

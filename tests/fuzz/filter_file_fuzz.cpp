// SPDX-License-Identifier: GPL-3.0-or-later
// The reader of filters.db: any content gives typed filters or the single
// "All", and what Exit writes back reads as the same filters.

#include <algorithm>

#include "data_file_fuzz.h"
#include "fuzz_check.h"
#include "support/fake_host.h"
#include "transfer/local/filter_file.h"
#include "transfer/local/ftp.h"
#include "transfer/local/quillmere.h"

namespace {

transfer::FTP& window() {
  static testing_support::FakeHost host;
  static transfer::Quillmere program(host, "/nonexistent-assets", fuzzDataFolder(),
                                     (fuzzDataFolder() / "Downloads").string());
  return program.window;
}

std::vector<std::string> sorted(std::vector<std::string> items) {
  std::sort(items.begin(), items.end());
  return items;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  transfer::FTP& f = window();
  const auto file = transfer::filterFilePath(f);
  putBytes(file, fuzzText(data, size));
  const auto filters = transfer::readFilterFile(file);

  f.Combo1.clearItems();
  transfer::loadFilters(f);
  if (filters) {
    FUZZ_CHECK(sorted(f.Combo1.items) == sorted(*filters));
  } else {
    FUZZ_CHECK(f.Combo1.items == std::vector<std::string>{"All"});
    FUZZ_CHECK(fileBytes(file) == "All\r\n");
  }
  for (const std::string& filter : f.Combo1.items) {
    FUZZ_CHECK(!filter.empty());
    for (char c : filter)
      FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 && c != 0x7f);
  }

  const std::vector<std::string> loaded = f.Combo1.items;
  FUZZ_CHECK(transfer::saveFilters(f));
  f.Combo1.clearItems();
  transfer::loadFilters(f);
  FUZZ_CHECK(sorted(f.Combo1.items) == sorted(loaded));
  return 0;
}

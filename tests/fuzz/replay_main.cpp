// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a fuzz target over saved inputs without libFuzzer, so an ordinary
// build (any compiler) checks the corpus and every input that once failed.
// Arguments: files or folders of inputs. Exits non-zero when none was found.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_check.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  std::vector<fs::path> inputs;
  for (int i = 1; i < argc; ++i) {
    const fs::path given = argv[i];
    if (fs::is_directory(given)) {
      for (const auto& entry : fs::recursive_directory_iterator(given))
        if (entry.is_regular_file()) inputs.push_back(entry.path());
    } else if (fs::is_regular_file(given)) {
      inputs.push_back(given);
    }
  }
  for (const fs::path& input : inputs) {
    std::ifstream in(input, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }
  std::printf("%zu inputs replayed\n", inputs.size());
  return inputs.empty() ? 1 : 0;
}

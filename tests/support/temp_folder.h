// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A folder name under the system's temporary folder that no test uses yet.

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <string>

namespace testing_support {

// A test killed before its clean-up leaves its folder behind, and a later
// test may get the same process id; what it left must not leak in.
inline std::filesystem::path freshTempFolder(const std::string& prefix) {
  static std::atomic<int> counter{0};
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() /
      (prefix + "-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  return folder;
}

}  // namespace testing_support

#pragma once

// A folder name under the system's temporary folder that no test uses yet.

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <string>

namespace testing_support {

inline std::filesystem::path freshTempFolder(const std::string& prefix) {
  static std::atomic<int> counter{0};
  return std::filesystem::temp_directory_path() /
         (prefix + "-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
}

}  // namespace testing_support

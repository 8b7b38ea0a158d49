// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// For the targets that read a data file: a folder of the fuzzing process's
// own that holds the file, and the file's bytes in and out.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

inline const std::filesystem::path& fuzzDataFolder() {
  static const std::filesystem::path folder = [] {
    auto path = std::filesystem::temp_directory_path() / ("fuzz-data-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    return path;
  }();
  return folder;
}

inline void putBytes(const std::filesystem::path& file, std::string_view bytes) {
  std::ofstream(file, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<long>(bytes.size()));
}

inline std::string fileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

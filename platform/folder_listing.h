// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Lists the ordinary files of a folder one name at a time: no folders, no
// hidden files (names starting with "."), in the order the file system
// gives them.

#include <dirent.h>

#include <filesystem>
#include <string>

namespace platform {

class FolderListing {
 public:
  FolderListing() = default;
  ~FolderListing();
  FolderListing(const FolderListing&) = delete;
  FolderListing& operator=(const FolderListing&) = delete;

  // The first name, or "" when there is none. A folder that does not exist
  // lists nothing; any other failure of the file system throws
  // std::filesystem::filesystem_error.
  std::string first(const std::filesystem::path& folder);
  // The next name, or "" at the end.
  std::string next();

 private:
  std::string advance();
  void close();

  // Read with readdir: a folder of many thousand files is listed without a
  // path object, or a stat, for each name.
  DIR* folder_ = nullptr;
  std::filesystem::path path_;
};

}  // namespace platform

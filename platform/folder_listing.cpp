#include "platform/folder_listing.h"

#include <system_error>

namespace platform {
namespace fs = std::filesystem;

std::string FolderListing::first(const fs::path& folder) {
  std::error_code error;
  it_ = fs::directory_iterator(folder, error);
  if (error == std::errc::no_such_file_or_directory) {
    it_ = {};
    return {};
  }
  if (error) throw fs::filesystem_error("cannot list the folder", folder, error);
  return advance();
}

std::string FolderListing::next() {
  if (it_ == fs::directory_iterator()) return {};
  ++it_;  // throws on a failing file system
  return advance();
}

std::string FolderListing::advance() {
  for (; it_ != fs::directory_iterator(); ++it_) {
    const std::string name = it_->path().filename().string();
    std::error_code error;
    if (name.empty() || name.front() == '.' || !it_->is_regular_file(error)) continue;
    return name;
  }
  return {};
}

}  // namespace platform

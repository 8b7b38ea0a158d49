// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/folder_listing.h"

#include <sys/stat.h>

#include <cerrno>
#include <system_error>

namespace platform {
namespace fs = std::filesystem;

FolderListing::~FolderListing() {
  close();
}

void FolderListing::close() {
  if (folder_) ::closedir(folder_);
  folder_ = nullptr;
}

std::string FolderListing::first(const fs::path& folder) {
  close();
  path_ = folder;
  folder_ = ::opendir(folder.c_str());
  if (!folder_) {
    if (errno == ENOENT) return {};
    throw fs::filesystem_error("cannot list the folder", folder,
                               std::error_code(errno, std::generic_category()));
  }
  return advance();
}

std::string FolderListing::next() {
  if (!folder_) return {};
  return advance();
}

std::string FolderListing::advance() {
  while (true) {
    errno = 0;
    const dirent* entry = ::readdir(folder_);
    if (!entry) {
      const int error = errno;
      close();
      if (error != 0)
        throw fs::filesystem_error("cannot list the folder", path_,
                                   std::error_code(error, std::generic_category()));
      return {};
    }
    if (entry->d_name[0] == '.') continue;
    bool regular = entry->d_type == DT_REG;
    // A link counts as what it points to; some file systems do not tell the type.
    if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
      struct stat status {};
      regular = ::fstatat(::dirfd(folder_), entry->d_name, &status, 0) == 0 && S_ISREG(status.st_mode);
    }
    if (regular) return entry->d_name;
  }
}

}  // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/remote/plain_files.h"

#include <filesystem>

#include "platform/folder_listing.h"

namespace transfer {
namespace {

constexpr long kMaxNames = 100000000;

}  // namespace

bool listPlainFiles(const std::string& folder, platform::Control& list) {
  platform::FolderListing listing;
  try {
    std::string name = listing.first(folder);
    if (!name.empty()) list.addItem(name);
    for (long asked = 0; !name.empty() && asked < kMaxNames; ++asked) {
      name = listing.next();
      if (!name.empty()) list.addItem(name);
    }
    return true;
  } catch (const std::filesystem::filesystem_error&) {
    return false;
  }
}

}  // namespace transfer

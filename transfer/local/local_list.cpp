#include "transfer/local/local_list.h"

#include <filesystem>
#include <system_error>

#include "platform/folder_listing.h"
#include "transfer/local/change_folder.h"
#include "transfer/remote/connection_settings.h"

namespace transfer {
namespace {

constexpr long kMaxNames = 100000000;

bool tryListing(FTP& f) {
  return listPlainFiles(f.Text1.text(), f.List1);
}

}  // namespace

bool listPlainFiles(const std::string& folder, Control& list) {
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

void listLocalFiles(FTP& f) {
  f.Combo1.setText("All");
  f.List1.clearItems();
  if (!tryListing(f)) {
    // A folder that cannot be listed gives way to the default folder, once;
    // the list starts afresh there so it never mixes two folders, and a
    // second failure leaves it empty rather than trying for ever.
    std::error_code error;
    if (!std::filesystem::is_directory(f.Text1.text(), error)) {
      std::filesystem::create_directories(f.defaultFolder, error);
      f.Text1.setText(f.defaultFolder);
    }
    f.List1.clearItems();
    if (!tryListing(f)) f.List1.clearItems();
  }
  f.listShowsLocal = true;
}

void command7Click(FTP& f) {
  if (f.Text1.text().empty()) f.Text1.setText(f.defaultFolder);
  showChangeFolder(f);
  saveSettings(f);
}

}  // namespace transfer

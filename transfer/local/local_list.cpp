// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/local/local_list.h"

#include <filesystem>
#include <system_error>

#include "transfer/local/change_folder.h"
#include "transfer/remote/connection_settings.h"
#include "transfer/remote/plain_files.h"
#include "transfer/remote/window_title.h"

namespace transfer {
namespace {

bool tryListing(FTP& f) {
  return listPlainFiles(f.Text1.text(), f.List1);
}

}  // namespace

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
  f.run.listShowsLocal = true;
  showPlaceInTitle(f);
}

void command7Click(FTP& f, ChangeFolder& folderDialog) {
  if (f.Text1.text().empty()) f.Text1.setText(f.defaultFolder);
  showChangeFolder(folderDialog);
  saveSettingsOrTell(f);
}

}  // namespace transfer

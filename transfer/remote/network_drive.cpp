// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/remote/network_drive.h"

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "platform/file_copy.h"
#include "platform/host.h"
#include "transfer/remote/failure_report.h"
#include "transfer/remote/plain_files.h"
#include "transfer/remote/remote_name.h"
#include "transfer/remote/transfer_steps.h"

namespace transfer {
namespace {

namespace fs = std::filesystem;

bool isFolder(const std::string& folder) {
  std::error_code error;
  return !folder.empty() && fs::is_directory(folder, error);
}

}  // namespace

void listNetworkFolder(FtpWindow& f) {
  f.List1.clearItems();
  const std::string folder = f.txtURLbox.text();
  const std::string shown = printableName(folder);
  if (!isFolder(folder)) {
    f.host.messageBox("The network folder " + shown + " does not exist.", platform::MessageButtons::Ok);
    return;
  }
  if (!listPlainFiles(folder, f.List1)) {
    f.List1.clearItems();
    f.host.messageBox("The network folder " + shown + " cannot be read.", platform::MessageButtons::Ok);
  }
}

void copySelectedFiles(FtpWindow& f, CopyDirection direction) {
  // Both folders are taken once, before anything is copied.
  const std::string remote = f.txtURLbox.text();
  const std::string local = f.Text1.text();
  const std::string& from = direction == CopyDirection::ToLocal ? remote : local;
  const std::string& to = direction == CopyDirection::ToLocal ? local : remote;
  const bool foldersThere = isFolder(from) && isFolder(to);
  const std::string missingFolder = printableName(isFolder(from) ? to : from);

  TransferReport report(f);
  const std::vector<std::string> entries = f.List1.items;
  const std::vector<bool> selected = f.List1.selected;
  for (int index = 0; index < static_cast<int>(entries.size()); ++index) {
    if (index < f.List1.listCount()) f.List1.listIndex = index;
    const std::string& name = entries[static_cast<std::size_t>(index)];
    if (!isSelected(selected, index) || name.ends_with('/')) continue;
    std::string why;
    if (!foldersThere) {
      report.fail(name, "the folder " + missingFolder + " does not exist");
    } else if (!isSafeRemoteName(name)) {
      report.fail(name, "not a plain file name");
    } else if (!platform::copyFileReplacing(fs::path(from) / name, fs::path(to) / name, why)) {
      report.fail(name, why);
    } else {
      report.arrived();
    }
  }
  report.close("");
}

}  // namespace transfer

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The running program: the transfer window, its two dialogs and the transfer
// control, wired together. The dialogs live here rather than in the window,
// so the window's header names none of them.

#include <filesystem>

#include "platform/host.h"
#include "transfer/control/inet.h"
#include "transfer/local/change_folder.h"
#include "transfer/local/ftp.h"
#include "transfer/remote/user_settings.h"

namespace transfer {

class Quillmere {
 public:
  // The folders as the window takes them (ftp.h).
  Quillmere(platform::Host& host, const std::filesystem::path& assetFolder, std::filesystem::path dataFolder,
            std::filesystem::path defaultFolder);

  FTP window;
  ChangeFolder changeFolder;
  UserSettings userSettings;
  // Last, so it is the first to go: its worker stops before the window it
  // reports to.
  Inet inet;
};

}  // namespace transfer

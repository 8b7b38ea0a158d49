// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Quillmere's transfer window: the model of transfer/remote/ftp_window.h laid
// out as on the screen. The program (quillmere.h) owns it with its two
// dialogs and the transfer control, and wires their events.

#include <filesystem>

#include "transfer/remote/ftp_window.h"

namespace transfer {

class FTP : public FtpWindow {
 public:
  // `assetFolder` holds the window's pictures, `dataFolder` the settings
  // file; `defaultFolder` is the local folder of a first start and the
  // fallback of a failed listing.
  FTP(platform::Host& host, Inet& inet, const std::filesystem::path& assetFolder,
      std::filesystem::path dataFolder, std::filesystem::path defaultFolder);
};

}  // namespace transfer

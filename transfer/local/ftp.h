#pragma once

// Quillmere's transfer window: the model of transfer/remote/ftp_window.h laid
// out as on the screen, with its events wired to the handlers. The two
// dialogs, ChangeFolder and UserSettings, are forms of their own that act on
// this one.

#include <filesystem>

#include "transfer/local/change_folder.h"
#include "transfer/remote/ftp_window.h"
#include "transfer/remote/user_settings.h"

namespace transfer {

class FTP : public FtpWindow {
 public:
  // `assetFolder` holds the window's pictures, `dataFolder` the settings
  // file; `defaultFolder` is the local folder of a first start and the
  // fallback of a failed listing.
  FTP(platform::Host& host, const std::filesystem::path& assetFolder, std::filesystem::path dataFolder,
      std::filesystem::path defaultFolder);

  ChangeFolder changeFolder;
  UserSettings userSettings;
};

}  // namespace transfer

// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/local/quillmere.h"

#include "transfer/local/ftp_events.h"

namespace transfer {

Quillmere::Quillmere(platform::Host& host, const std::filesystem::path& assetFolder,
                     std::filesystem::path dataFolder, std::filesystem::path defaultFolder)
    : window(host, inet, assetFolder, std::move(dataFolder), std::move(defaultFolder)),
      changeFolder(window),
      userSettings(window),
      inet([&host](std::function<void()> task) { host.post(std::move(task)); }) {
  userSettings.Picture1.picture = window.Picture1.picture;
  connectFtpEvents(window, changeFolder, userSettings);
}

}  // namespace transfer

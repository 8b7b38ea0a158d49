// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/remote/window_title.h"

#include <string>

#include "platform/text_case.h"
#include "transfer/remote/connection_settings.h"
#include "transfer/remote/remote_name.h"

namespace transfer {
namespace {

// The address box as a place: no "ftp://" of its own, no user information,
// no trailing "/".
std::string serverOf(std::string address) {
  if (platform::upperCase(address.substr(0, 6)) == "FTP://") address.erase(0, 6);
  if (const std::size_t at = address.rfind('@'); at != std::string::npos) address.erase(0, at + 1);
  return withoutTrailingSlash(address);
}

}  // namespace

void showPlaceInTitle(FtpWindow& f) {
  std::string place;
  if (f.run.listShowsLocal) {
    place = "Local Directory " + f.Text1.text();
  } else if (f.inNetworkMode()) {
    place = "Network Drive " + f.txtURLbox.text();
  } else {
    const std::string& path = f.remote.remotePathParts[static_cast<std::size_t>(f.remote.remoteDepth)];
    place = "ftp://" + serverOf(f.txtURLbox.text()) + (path.empty() ? "/" : path);
  }
  f.caption = std::string(kDesignTitle) + " - " + printableName(place);
}

}  // namespace transfer

// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/remote/window_title.h"

#include <string>

#include "transfer/control/inet.h"
#include "transfer/remote/connection_settings.h"
#include "transfer/remote/remote_name.h"

namespace transfer {
namespace {

// The address box less its scheme as a place: no user information, no
// trailing "/".
std::string serverOf(std::string address) {
  if (const std::size_t at = address.rfind('@'); at != std::string::npos) address.erase(0, at + 1);
  return withoutTrailingSlash(address);
}

}  // namespace

void showPlaceInTitle(FtpWindow& f) {
  std::string place;
  std::string protection;
  if (f.run.listShowsLocal) {
    place = "Local Directory " + f.Text1.text();
  } else if (f.inNetworkMode()) {
    place = "Network Drive " + f.txtURLbox.text();
  } else {
    const std::string& path = f.remote.remotePathParts[static_cast<std::size_t>(f.remote.remoteDepth)];
    place = typedScheme(f) + serverOf(typedAddress(f)) + (path.empty() ? "/" : path);
    protection = f.Inet1->Encrypted() ? " (encrypted)" : " (not encrypted)";
  }
  f.caption = std::string(kDesignTitle) + " - " + printableName(place) + protection;
}

}  // namespace transfer

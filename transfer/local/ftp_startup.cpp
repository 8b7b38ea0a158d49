// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/local/ftp_startup.h"

#include "transfer/local/filter_file.h"
#include "transfer/remote/connection_settings.h"

namespace transfer {

void ftpLoad(FTP& f) {
  loadSettings(f);
  f.remote.connectUrl = startupAddress(f);
  f.remote.remotePathParts.assign(kRemoteDepths, std::string());
  f.remote.remoteDepth = 0;
  loadFilters(f);
  if (f.Combo1.listCount() == 0) f.Combo1.addItem("All");
}

}  // namespace transfer

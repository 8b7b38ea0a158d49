#include "transfer/local/ftp_startup.h"

#include "transfer/local/filter_file.h"
#include "transfer/remote/connection_settings.h"

namespace transfer {

void ftpLoad(FTP& f) {
  loadSettings(f);
  f.connectUrl = startupAddress(f);
  f.remotePathParts.assign(kRemoteDepths, std::string());
  f.remoteDepth = 0;
  loadFilters(f);
  if (f.Combo1.listCount() == 0) f.Combo1.addItem("All");
}

}  // namespace transfer

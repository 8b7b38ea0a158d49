#include "transfer/local/address_change.h"

#include "transfer/local/change_folder.h"
#include "transfer/remote/connection_settings.h"

namespace transfer {

void command6Click(FTP& f) {
  if (f.inFtpMode() && !takeServerAddress(f)) return;
  if (f.inNetworkMode()) showChangeFolder(f);
  saveSettings(f);
}

}  // namespace transfer

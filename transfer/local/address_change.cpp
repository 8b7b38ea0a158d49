// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/local/address_change.h"

#include "transfer/remote/connection_settings.h"

namespace transfer {

void command6Click(FTP& f, ChangeFolder& folderDialog) {
  if (f.inFtpMode() && !takeServerAddress(f)) return;
  if (f.inNetworkMode()) showChangeFolder(folderDialog);
  saveSettingsOrTell(f);
}

}  // namespace transfer

// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/local/server_type.h"

namespace transfer {

void switchServerType(FTP& f) {
  if (f.Label1.caption != FTP::kFtpMode) {
    f.Label1.caption = FTP::kFtpMode;
    f.txtURLbox.setText(f.settings.serverAddress);
  } else {
    f.Label1.caption = FTP::kNetworkMode;
    f.txtURLbox.setText(f.settings.networkFolder);
  }
}

}  // namespace transfer

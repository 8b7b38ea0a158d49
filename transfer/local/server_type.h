// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "transfer/local/ftp.h"

namespace transfer {

// Click of mnuItemSwitchRemote, "Switch Remote Server Type": the remote side
// turns from an FTP server into a network folder and back. The address box
// shows the stored address or folder of the new type.
void switchServerType(FTP& f);

}  // namespace transfer

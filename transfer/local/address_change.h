// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "transfer/local/change_folder.h"
#include "transfer/local/ftp.h"

namespace transfer {

// Click of Command6, "Change" beside the address box: takes the typed server
// address, or in network-drive mode opens the folder dialog, and saves the
// settings.
void command6Click(FTP& f, ChangeFolder& folderDialog);

}  // namespace transfer

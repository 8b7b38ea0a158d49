// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "transfer/local/change_folder.h"
#include "transfer/local/ftp.h"

namespace transfer {

// Click of Command8, "Local Directory of Files": lists the plain files of the
// local folder into List1.
void listLocalFiles(FTP& f);

// Click of Command7, "Change" beside the local folder.
void command7Click(FTP& f, ChangeFolder& folderDialog);

}  // namespace transfer

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The remote side as a folder of a mounted network drive: listing it, and
// copying files between it and the local folder.

#include "transfer/remote/ftp_window.h"

namespace transfer {

// Lists the plain files of the folder named in the address box into List1.
// A folder that does not exist or cannot be read says so and leaves the list
// empty.
void listNetworkFolder(FtpWindow& f);

enum class CopyDirection {
  ToLocal,   // download: from the network folder into the local folder
  ToRemote,  // upload: from the local folder into the network folder
};

// Copies the selected files of List1, replacing files of the same names.
// A copy that fails does not stop the others; the closing message is
// followed by one naming the files that were not copied.
void copySelectedFiles(FtpWindow& f, CopyDirection direction);

}  // namespace transfer

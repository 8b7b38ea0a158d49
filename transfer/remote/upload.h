// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "transfer/remote/ftp_window.h"

namespace transfer {

// Click of Command3, "Upload Files": sends the selected entries of the local
// list to the current remote directory. Ends with the closing message, then
// a message naming the files that did not arrive. Network-drive mode is not
// built: there the click does nothing.
void command3Click(FtpWindow& f);

}  // namespace transfer

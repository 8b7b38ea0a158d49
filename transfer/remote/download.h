// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "transfer/remote/ftp_window.h"

namespace transfer {

// Click of Command1, "Download Files": fetches the selected entries of the
// remote list into the local folder, a selected directory with its files and
// sub-directories (at most 32 levels, each server folder once: a link back up
// cannot loop) into a local folder of its name. Ends
// with the closing message, then a message naming the files that did not
// arrive. In network-drive mode the selected files are copied from the
// network folder instead.
void command1Click(FtpWindow& f);

}  // namespace transfer

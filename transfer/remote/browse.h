// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "transfer/remote/ftp_window.h"

namespace transfer {

// The first entry of List1 below the start directory.
inline constexpr const char* kGoUp = "... go up";

// Click of Command4, "Set Remote Directory": steps into the directory whose
// entry is current, or up for "... go up", and lists the current remote
// directory into List1. Entries whose names are not plain names are left
// out. Network-drive mode is not built: there the click only resets the
// filter.
void command4Click(FtpWindow& f);

// The listing split rule: a carriage return ends a non-empty name, a line
// feed only forgets what was read, and an unended last line is dropped.
std::vector<std::string> splitListing(std::string_view text);

// The path of an entry below a remote directory, "/" + entry at the start
// directory: the directory an entry "docs/" at /pub/ names is /pub/docs/.
std::string remoteChild(const std::string& directory, const std::string& entry);

}  // namespace transfer

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window's title tells where the list's names come from.

#include "transfer/remote/ftp_window.h"

namespace transfer {

inline constexpr const char* kDesignTitle = "Quillmere - An Internet File Transfer Tool";

// The design title, then the place the list shows: "ftp://host/path/" for an
// FTP server (with the scheme typed, without the user name or password) and
// whether the last request's connection was encrypted, "Local Directory " and
// the folder, or "Network Drive " and the network folder.
void showPlaceInTitle(FtpWindow& f);

}  // namespace transfer

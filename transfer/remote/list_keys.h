// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Moving through the server's folders from the list itself, as other FTP
// clients let one: a folder entry opens with a double click or Enter, and
// Backspace goes up one level.

#include "transfer/remote/ftp_window.h"

namespace transfer {

// On a folder entry or "... go up" of the server's list, what "Set Remote
// Directory" does with it current; on anything else nothing.
void openCurrentEntry(FtpWindow& f);

// Below the server's start folder, what "Set Remote Directory" does with
// "... go up" current; elsewhere nothing.
void goUpOneLevel(FtpWindow& f);

}  // namespace transfer

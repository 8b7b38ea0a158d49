// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "transfer/local/change_folder.h"
#include "transfer/local/ftp.h"
#include "transfer/remote/user_settings.h"

namespace transfer {

// Connects the window's controls, menu items, timer and transfer control to
// their handlers, the two dialogs' openers among them.
void connectFtpEvents(FTP& f, ChangeFolder& folderDialog, UserSettings& settingsDialog);

// File > Exit and a click on the corner picture: saves the filters, says
// goodbye to the server and ends the program.
void endProgram(FTP& f);

// The desktop closes the window (its close button, the window menu, a
// log-out): a transfer under way is abandoned at once, its partial file
// removed, and the program ends; the filters are not saved and no QUIT is
// sent.
void closeWindow(FTP& f);

}  // namespace transfer

#pragma once

#include "transfer/local/ftp.h"

namespace transfer {

// Connects the window's controls, menu items, timer and transfer control to
// their handlers.
void connectFtpEvents(FTP& f);

// File > Exit: says goodbye to the server and ends the program.
void mnuItemExitClick(FTP& f);

}  // namespace transfer

#pragma once

#include "transfer/local/ftp.h"

namespace transfer {

// Connects the window's controls, menu items, timer and transfer control to
// their handlers.
void connectFtpEvents(FTP& f);

// File > Exit and a click on the corner picture: saves the filters, says
// goodbye to the server and ends the program.
void endProgram(FTP& f);

}  // namespace transfer

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Stopping a listing, download or upload under way.

#include "transfer/remote/ftp_window.h"

namespace transfer {

// Esc: the request under way is cancelled at once (a download's partial file
// removed, an older file of its name kept) and nothing further is sent; the
// run then tells what arrived and what did not.
void stopRun(FtpWindow& f);

// The program ends (Exit, the picture, the window closed): as Esc, and the
// run ends without a word.
void endRun(FtpWindow& f);

}  // namespace transfer

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "transfer/local/ftp.h"

namespace transfer {

// The Load handler of the window: settings, connect address, remote path,
// filter list.
void ftpLoad(FTP& f);

}  // namespace transfer

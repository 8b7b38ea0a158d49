// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "transfer/remote/ftp_window.h"

namespace transfer {

void Hold(FtpWindow& f, double seconds) {
  f.Timer1.enabled = true;
  f.Timer1.interval = static_cast<int>(std::lround(seconds * 1000));
  // The timer's tick, or the transfer control's state event, sets the
  // interval to 0; meanwhile the window handles its other events.
  while (f.Timer1.interval != 0)
    f.host.waitForEvents();
  f.Timer1.enabled = false;
}

}  // namespace transfer

// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/remote/stop_run.h"

#include "transfer/control/inet.h"

namespace transfer {

void stopRun(FtpWindow& f) {
  f.run.stopRequested = true;
  f.Inet1->Cancel();
  // A wait in progress ends now rather than at the timer's tick.
  f.Timer1.interval = 0;
}

void endRun(FtpWindow& f) {
  f.run.ending = true;
  stopRun(f);
}

}  // namespace transfer

// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/remote/list_keys.h"

#include "transfer/remote/browse.h"

namespace transfer {
namespace {

bool listShowsServer(const FtpWindow& f) {
  return f.inFtpMode() && !f.run.listShowsLocal;
}

}  // namespace

// Through the button's click, so a transfer under way (the button off) is
// left alone.
void openCurrentEntry(FtpWindow& f) {
  const std::string entry = f.List1.currentItem();
  if (!listShowsServer(f) || !(entry.ends_with('/') || entry == kGoUp)) return;
  f.Command4.click();
}

void goUpOneLevel(FtpWindow& f) {
  if (!listShowsServer(f) || f.remote.remoteDepth == 0 || f.List1.items.empty() ||
      f.List1.items.front() != kGoUp || !f.Command4.enabled)
    return;
  f.List1.listIndex = 0;
  f.Command4.click();
}

}  // namespace transfer

// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/control/watchdog.h"

namespace transfer {

int Watchdog::onProgress(void* self, curl_off_t toDownload, curl_off_t downloaded, curl_off_t toUpload,
                         curl_off_t uploaded) {
  auto& watchdog = *static_cast<Watchdog*>(self);
  watchdog.counts_.moved = downloaded + uploaded;
  watchdog.counts_.expected = toDownload + toUpload;
  return watchdog.check(downloaded + uploaded) ? 0 : 1;
}

bool Watchdog::check(curl_off_t count) {
  if (cancel_.load()) return false;
  const auto now = std::chrono::steady_clock::now();
  if (count != lastCount_ || !session_.transferStarted()) {
    lastCount_ = count;
    lastMove_ = now;
    return true;
  }
  if (now - lastMove_ < stall_) return true;
  stalled_ = true;
  return false;
}

}  // namespace transfer

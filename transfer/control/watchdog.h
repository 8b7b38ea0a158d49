// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a request's progress callback watches: the byte counts a progress
// display reads, the control's destruction, and a transfer that has stalled.

#include <curl/curl.h>

#include <atomic>
#include <chrono>

#include "transfer/control/curl_session.h"

namespace transfer {

// The byte counts of the running request, for a progress display; written by
// libcurl's progress callback, read by the UI thread.
struct ByteCounts {
  std::atomic<long long> moved{0};
  std::atomic<long long> expected{0};
};

// Fed by libcurl about once a second, in every phase of a request: stops it
// when the control is destroyed, and fails a transfer whose byte count has not
// moved for the stall time (the time-outs for connecting and for the server's
// answers cover the phases before data flows).
class Watchdog {
 public:
  Watchdog(const CurlSession& session, const std::atomic<bool>& cancel, ByteCounts& counts)
      : session_(session), cancel_(cancel), counts_(counts) {}

  void start(std::chrono::seconds stall) {
    stall_ = stall;
    lastCount_ = -1;
    stalled_ = false;
  }

  bool stalled() const { return stalled_; }
  std::chrono::seconds stallTime() const { return stall_; }

  static int onProgress(void* self, curl_off_t toDownload, curl_off_t downloaded, curl_off_t toUpload,
                        curl_off_t uploaded);

 private:
  bool check(curl_off_t count);

  const CurlSession& session_;
  const std::atomic<bool>& cancel_;
  ByteCounts& counts_;
  std::chrono::seconds stall_{30};
  curl_off_t lastCount_ = -1;
  std::chrono::steady_clock::time_point lastMove_;
  bool stalled_ = false;
};

}  // namespace transfer

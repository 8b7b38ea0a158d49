// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One request of the transfer control as the worker runs it: a listing, a
// download or an upload on the worker's one libcurl session.

#include <chrono>
#include <set>
#include <string>

#include "transfer/control/curl_session.h"
#include "transfer/control/ftp_address.h"
#include "transfer/control/operation.h"
#include "transfer/control/transfer_error.h"
#include "transfer/control/watchdog.h"

namespace transfer {

// A request as Execute accepted it, with the settings of that moment.
struct Job {
  Operation operation;
  FtpAddress address;
  std::string url;
  long port = 21;
  std::chrono::seconds connectTimeout{15};
  std::chrono::seconds stallTimeout{30};
};

// Runs requests on the worker's one session, so the server's connection is reused.
class Requests {
 public:
  Requests(CurlSession& session, const std::atomic<bool>& cancel, ByteCounts& counts)
      : session_(session), cancel_(cancel), watchdog_(session, cancel, counts) {}

  // Returns the formatted listing of a DIR, empty for the others.
  std::string run(const Job& job);

 private:
  void configure(const Job& job);

  TransferError failure(CURLcode code) const;

  CURLcode fetchListing(const Job& job, const char* command, std::string& raw);

  // MLSD says plainly which entries are folders; servers that do not know it
  // answer 500-504 and get LIST from then on.
  std::string list(const Job& job);

  void download(const Job& job);

  void upload(const Job& job);

  CURLcode perform() { return session_.perform(cancel_); }

  CurlSession& session_;
  const std::atomic<bool>& cancel_;
  Watchdog watchdog_;
  std::set<std::string> serversWithoutMlsd_;
};

}  // namespace transfer

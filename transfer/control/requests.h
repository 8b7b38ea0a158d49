// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One request of the transfer control as the worker runs it: a listing, a
// download or an upload on the worker's one libcurl session.

#include <chrono>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "transfer/control/curl_session.h"
#include "transfer/control/ftp_address.h"
#include "transfer/control/listing_parser.h"
#include "transfer/control/operation.h"
#include "transfer/control/server_certificate.h"
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
  // The public keys the user chose to trust, by "host:port".
  std::map<std::string, std::string> trustedKeys;
};

// What a request leaves for the caller: a DIR's formatted listing, and the
// server's own name for the folder it listed (its answer to PWD there, empty
// when it gave none).
struct RequestOutcome {
  std::string listing;
  std::string serverPath;
};

// Runs requests on the worker's one session, so the server's connection is reused.
class Requests {
 public:
  Requests(CurlSession& session, const std::atomic<bool>& cancel, ByteCounts& counts)
      : session_(session), cancel_(cancel), watchdog_(session, cancel, counts) {}

  // Only a DIR fills the outcome.
  RequestOutcome run(const Job& job);

  // Set when the last request was refused for the server's certificate.
  const std::optional<RefusedCertificate>& refused() const { return refused_; }
  // Whether the connection the last request used was protected by TLS.
  bool encrypted() const { return encrypted_; }

 private:
  void configure(const Job& job);
  // Runs the configured request and notes how its connection was protected.
  CURLcode perform(const Job& job);

  TransferError failure(CURLcode code) const;

  CURLcode fetchListing(const Job& job, const char* command, std::string& raw, std::string& lastReply);

  // MLSD says plainly which entries are folders; servers that do not know it
  // answer 500-504 and get LIST from then on. A link whose kind the listing
  // does not tell is a folder when the server lets us change into it.
  RequestOutcome list(const Job& job);
  RequestOutcome listed(const Job& job, std::string_view raw, ListingFormat format,
                        const std::string& lastReply);
  bool changesInto(const Job& job, const std::string& name);

  void download(const Job& job);

  void upload(const Job& job);

  CurlSession& session_;
  const std::atomic<bool>& cancel_;
  Watchdog watchdog_;
  CertificateCapture capture_;
  std::optional<RefusedCertificate> refused_;
  bool encrypted_ = false;
  std::string server_;  // "host:port" of the request being run
  std::set<std::string> serversWithoutMlsd_;
};

}  // namespace transfer

// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/control/inet.h"

#include <curl/curl.h>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <utility>
#include <variant>

#include "transfer/control/curl_session.h"
#include "transfer/control/ftp_address.h"
#include "transfer/control/operation.h"
#include "transfer/control/requests.h"

namespace transfer {
namespace {

// libcurl's global set-up must not race with other threads, so it runs once,
// on the thread that makes the first control.
void initCurlOnce() {
  static const struct Global {
    Global() : code(curl_global_init(CURL_GLOBAL_DEFAULT)) {}
    ~Global() {
      if (code == CURLE_OK) curl_global_cleanup();
    }
    CURLcode code;
  } global;
}

struct Quit {};

using Task = std::variant<Job, Quit>;

}  // namespace

struct Inet::Shared {
  std::mutex mutex;
  std::condition_variable wake;
  std::deque<Task> tasks;
  bool stopping = false;
  bool busy = false;  // from Execute until the request's outcome is stored
  // Kept as plain text: an exception's message buffer is shared between copies,
  // so each thread makes its own TransferError.
  struct Failure {
    int number;
    std::string description;
    std::string reason;
  };
  std::optional<Failure> failure;
  std::string listing;
  std::string serverPath;
  std::size_t readPosition = 0;
  std::optional<transfer::RefusedCertificate> refused;
  bool encrypted = false;

  // Raises the failed request's error once. Called with the mutex held.
  void raisePendingFailure() {
    if (!failure) return;
    const TransferError error(failure->number, failure->description, failure->reason);
    failure.reset();
    throw error;
  }
  std::string lastUrl;
  std::chrono::seconds connectTimeout{15};
  std::chrono::seconds stallTimeout{30};
  std::atomic<bool> cancel{false};  // read while a request runs, without the mutex
  ByteCounts counts;                // likewise written there
};

Inet::Inet(Post post)
    : post_(std::move(post)),
      alive_(std::make_shared<std::atomic<bool>>(true)),
      shared_(std::make_unique<Shared>()) {
  initCurlOnce();
  worker_ = std::thread(&Inet::work, this);
}

Inet::~Inet() {
  alive_->store(false);
  {
    std::lock_guard lock(shared_->mutex);
    shared_->stopping = true;
    shared_->cancel = true;
  }
  shared_->wake.notify_all();
  worker_.join();
}

void Inet::Execute(const std::string& url, const std::string& operation) {
  std::optional<Operation> parsed;
  std::optional<TransferError> unsupported;
  try {
    parsed = parseOperation(operation);
  } catch (const TransferError& error) {
    unsupported = error;
  }

  Shared& s = *shared_;
  std::lock_guard lock(s.mutex);
  if (parsed && parsed->kind == Operation::Kind::Quit) {
    s.failure.reset();
    s.tasks.push_back(Quit{});
    s.wake.notify_one();
    return;
  }
  if (s.busy) throw TransferError(kStillExecuting, "Still executing the last request.");
  s.raisePendingFailure();
  if (Protocol != 2) throw TransferError(kBadRequest, "Only the FTP protocol is supported.");
  const std::string& target = url.empty() ? s.lastUrl : url;
  if (target.empty()) throw TransferError(kBadUrl, "The URL is malformed: no URL given.");
  Job job;
  job.address = parseFtpAddress(target);
  if (!job.address.port && (RemotePort < 0 || RemotePort > 65535))
    throw TransferError(kBadUrl, "The URL is malformed: bad port number.");
  if (unsupported) throw *unsupported;
  job.operation = std::move(*parsed);
  job.url = job.operation.kind == Operation::Kind::Dir ? directoryUrl(job.address, job.operation.remotePath)
                                                       : fileUrl(job.address, job.operation.remotePath);
  job.port = job.address.port.value_or(RemotePort);
  job.connectTimeout = s.connectTimeout;
  job.stallTimeout = s.stallTimeout;
  job.trustedKeys = TrustedKeys;

  s.lastUrl = target;
  s.refused.reset();
  s.busy = true;
  s.cancel = false;
  s.counts.moved = 0;
  s.counts.expected = 0;
  s.listing.clear();
  s.serverPath.clear();
  s.readPosition = 0;
  s.tasks.push_back(std::move(job));
  s.wake.notify_one();
}

std::optional<RefusedCertificate> Inet::RefusedCertificate() const {
  std::lock_guard lock(shared_->mutex);
  return shared_->refused;
}

bool Inet::Encrypted() const {
  std::lock_guard lock(shared_->mutex);
  return shared_->encrypted;
}

std::string Inet::GetChunk(long size, int /*dataType*/) {
  Shared& s = *shared_;
  std::lock_guard lock(s.mutex);
  if (s.busy) throw TransferError(kStillExecuting, "Still executing the last request.");
  s.raisePendingFailure();
  if (size <= 0) return {};
  const std::size_t count = std::min(static_cast<std::size_t>(size), s.listing.size() - s.readPosition);
  std::string chunk = s.listing.substr(s.readPosition, count);
  s.readPosition += count;
  return chunk;
}

long long Inet::BytesTransferred() const {
  return shared_->counts.moved;
}

long long Inet::BytesToTransfer() const {
  return shared_->counts.expected;
}

std::string Inet::ServerPath() const {
  std::lock_guard lock(shared_->mutex);
  return shared_->busy ? std::string() : shared_->serverPath;
}

void Inet::Cancel() {
  std::lock_guard lock(shared_->mutex);
  if (shared_->busy) shared_->cancel = true;
}

bool Inet::StillExecuting() const {
  std::lock_guard lock(shared_->mutex);
  return shared_->busy;
}

void Inet::setTimeouts(std::chrono::seconds connect, std::chrono::seconds stall) {
  // libcurl reads zero as "its default" or "never", so a second is the least.
  std::lock_guard lock(shared_->mutex);
  shared_->connectTimeout = std::max(connect, std::chrono::seconds(1));
  shared_->stallTimeout = std::max(stall, std::chrono::seconds(1));
}

void Inet::notify(int state) {
  auto deliver = [this, alive = alive_, state] {
    if (alive->load() && StateChanged) StateChanged(state);
  };
  if (post_)
    post_(deliver);
  else
    deliver();
}

void Inet::work() {
  std::optional<CurlSession> session;
  std::optional<TransferError> broken;
  try {
    session.emplace();
  } catch (const TransferError& error) {
    broken = error;
  }
  std::optional<Requests> requests;
  if (session) requests.emplace(*session, shared_->cancel, shared_->counts);

  while (true) {
    Task task;
    {
      std::unique_lock lock(shared_->mutex);
      shared_->wake.wait(lock, [&] { return shared_->stopping || !shared_->tasks.empty(); });
      if (shared_->stopping) return;
      task = std::move(shared_->tasks.front());
      shared_->tasks.pop_front();
    }

    if (std::holds_alternative<Quit>(task)) {
      try {
        if (session) session->closeConnection();
      } catch (const TransferError& error) {
        requests.reset();
        session.reset();
        broken = error;
      }
      continue;
    }

    std::optional<Shared::Failure> failure;
    RequestOutcome outcome;
    try {
      if (!requests) throw *broken;
      outcome = requests->run(std::get<Job>(task));
    } catch (const TransferError& error) {
      failure = Shared::Failure{error.number, error.what(), error.reason};
    } catch (const std::exception& error) {
      failure = Shared::Failure{kRequestFailed, error.what(), {}};
    }
    const int state = failure ? kStateError : kStateResponseCompleted;
    {
      std::lock_guard lock(shared_->mutex);
      if (shared_->stopping) return;
      shared_->busy = false;
      if (requests) {
        shared_->refused = requests->refused();
        shared_->encrypted = requests->encrypted();
      }
      shared_->failure = std::move(failure);
      shared_->listing = std::move(outcome.listing);
      shared_->serverPath = std::move(outcome.serverPath);
      shared_->readPosition = 0;
    }
    notify(state);
  }
}

}  // namespace transfer

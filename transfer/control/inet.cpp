#include "transfer/control/inet.h"

#include <curl/curl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <filesystem>
#include <mutex>
#include <optional>
#include <set>
#include <utility>
#include <variant>

#include "transfer/control/curl_session.h"
#include "transfer/control/ftp_address.h"
#include "transfer/control/listing_parser.h"
#include "transfer/control/operation.h"

namespace transfer {
namespace {

namespace fs = std::filesystem;

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

struct Job {
  Operation operation;
  FtpAddress address;
  std::string url;
  long port = 21;
  std::chrono::seconds connectTimeout{15};
  std::chrono::seconds stallTimeout{30};
};

struct Quit {};

// The byte counts of the running request, for a progress display; written by
// libcurl's progress callback, read by the UI thread.
struct ByteCounts {
  std::atomic<long long> moved{0};
  std::atomic<long long> expected{0};
};

using Task = std::variant<Job, Quit>;

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
                        curl_off_t uploaded) {
    auto& watchdog = *static_cast<Watchdog*>(self);
    watchdog.counts_.moved = downloaded + uploaded;
    watchdog.counts_.expected = toDownload + toUpload;
    return watchdog.check(downloaded + uploaded) ? 0 : 1;
  }

 private:
  bool check(curl_off_t count) {
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

  const CurlSession& session_;
  const std::atomic<bool>& cancel_;
  ByteCounts& counts_;
  std::chrono::seconds stall_{30};
  curl_off_t lastCount_ = -1;
  std::chrono::steady_clock::time_point lastMove_;
  bool stalled_ = false;
};

std::size_t appendToText(char* data, std::size_t size, std::size_t count, void* text) {
  static_cast<std::string*>(text)->append(data, size * count);
  return size * count;
}

std::string systemError() {
  return std::strerror(errno);
}

// Written under a hidden name beside the target and renamed over it only when
// complete, so a failed transfer leaves no partial file and keeps an old one.
class Download {
 public:
  explicit Download(fs::path target) : target_(std::move(target)) {}
  ~Download() {
    if (file_) std::fclose(file_);
    if (!temporary_.empty()) {
      std::error_code ignored;
      fs::remove(temporary_, ignored);
    }
  }
  Download(const Download&) = delete;
  Download& operator=(const Download&) = delete;

  static std::size_t write(char* data, std::size_t size, std::size_t count, void* self) {
    auto& download = *static_cast<Download*>(self);
    if (!download.file_ && !download.open()) return 0;
    if (std::fwrite(data, size, count, download.file_) != count) {
      download.problem_ = "Cannot write the local file " + download.target_.string() + ": " + systemError();
      return 0;
    }
    return size * count;
  }

  const std::string& problem() const { return problem_; }

  void commit() {
    if (!file_ && !open()) throw TransferError(kLocalFileFailed, problem_);
    const bool flushed = std::fflush(file_) == 0;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!flushed || !closed)
      throw TransferError(kLocalFileFailed,
                          "Cannot write the local file " + target_.string() + ": " + systemError());
    std::error_code error;
    fs::rename(temporary_, target_, error);
    if (error)
      throw TransferError(kLocalFileFailed,
                          "Cannot replace the local file " + target_.string() + ": " + error.message());
    temporary_.clear();
  }

 private:
  bool open() {
    static std::atomic<unsigned> counter{0};
    const fs::path candidate =
        target_.parent_path() / ("." + target_.filename().string() + ".part-" + std::to_string(::getpid()) +
                                 "-" + std::to_string(counter++));
    file_ = std::fopen(candidate.c_str(), "wbx");
    if (!file_) {
      problem_ = "Cannot create the local file " + target_.string() + ": " + systemError();
      return false;
    }
    temporary_ = candidate;
    return true;
  }

  fs::path target_;
  fs::path temporary_;
  std::FILE* file_ = nullptr;
  std::string problem_;
};

class Upload {
 public:
  explicit Upload(const fs::path& source) {
    std::error_code error;
    if (fs::is_regular_file(source, error)) file_ = std::fopen(source.c_str(), "rb");
    if (file_) size_ = static_cast<curl_off_t>(fs::file_size(source, error));
    if (!file_ || error) {
      if (file_) std::fclose(file_);
      throw TransferError(kLocalFileFailed, "Cannot read the local file " + source.string() + ".");
    }
    source_ = source;
  }
  ~Upload() { std::fclose(file_); }
  Upload(const Upload&) = delete;
  Upload& operator=(const Upload&) = delete;

  static std::size_t read(char* buffer, std::size_t size, std::size_t count, void* self) {
    auto& upload = *static_cast<Upload*>(self);
    const std::size_t got = std::fread(buffer, size, count, upload.file_);
    if (got == 0 && std::ferror(upload.file_)) {
      upload.problem_ = "Cannot read the local file " + upload.source_.string() + ": " + systemError();
      return CURL_READFUNC_ABORT;
    }
    return got * size;
  }

  curl_off_t size() const { return size_; }
  const std::string& problem() const { return problem_; }

 private:
  fs::path source_;
  std::FILE* file_ = nullptr;
  curl_off_t size_ = 0;
  std::string problem_;
};

TransferError failureOf(CURLcode code, const CurlSession& session) {
  const std::string detail = " (" + session.errorText(code) + ").";
  switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
    case CURLE_LOGIN_DENIED:
    case CURLE_WEIRD_SERVER_REPLY:
      return {kCannotConnect, "Cannot connect to the remote host" + detail};
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_FTP_ACCEPT_TIMEOUT:
      if (!session.connected()) return {kCannotConnect, "Cannot connect to the remote host" + detail};
      return {kTimedOut, "The request timed out" + detail};
    case CURLE_ABORTED_BY_CALLBACK:
      return {kRequestFailed, "The request was cancelled."};
    default:
      return {kRequestFailed, "The request failed" + detail};
  }
}

// Runs requests on the worker's one session, so the server's connection is reused.
class Requests {
 public:
  Requests(CurlSession& session, const std::atomic<bool>& cancel, ByteCounts& counts)
      : session_(session), watchdog_(session, cancel, counts) {}

  // Returns the formatted listing of a DIR, empty for the others.
  std::string run(const Job& job) {
    switch (job.operation.kind) {
      case Operation::Kind::Dir:
        return list(job);
      case Operation::Kind::Get:
        download(job);
        return {};
      case Operation::Kind::Put:
        upload(job);
        return {};
      case Operation::Kind::Quit:
        break;
    }
    return {};
  }

 private:
  void configure(const Job& job) {
    session_.reset();
    session_.set(CURLOPT_URL, job.url);
    session_.set(CURLOPT_PROTOCOLS_STR, "ftp");
    session_.set(CURLOPT_PORT, job.port);
    if (job.address.user) {
      session_.set(CURLOPT_USERNAME, *job.address.user);
      session_.set(CURLOPT_PASSWORD, job.address.password);
    }
    // Signals would reach the wrong thread; libcurl's resolver runs in threads instead.
    session_.set(CURLOPT_NOSIGNAL, 1L);
    session_.set(CURLOPT_CONNECTTIMEOUT, static_cast<long>(job.connectTimeout.count()));
    session_.set(CURLOPT_SERVER_RESPONSE_TIMEOUT, static_cast<long>(job.stallTimeout.count()));
    session_.set(CURLOPT_NOPROGRESS, 0L);
    session_.set(CURLOPT_XFERINFOFUNCTION, &Watchdog::onProgress);
    session_.set(CURLOPT_XFERINFODATA, static_cast<void*>(&watchdog_));
    watchdog_.start(job.stallTimeout);
  }

  TransferError failure(CURLcode code) const {
    if (code == CURLE_ABORTED_BY_CALLBACK && watchdog_.stalled())
      return {kTimedOut, "The request timed out (no data moved for " +
                             std::to_string(watchdog_.stallTime().count()) + " s)."};
    return failureOf(code, session_);
  }

  CURLcode fetchListing(const Job& job, const char* command, std::string& raw) {
    configure(job);
    if (command) session_.set(CURLOPT_CUSTOMREQUEST, command);
    session_.set(CURLOPT_WRITEFUNCTION, &appendToText);
    session_.set(CURLOPT_WRITEDATA, static_cast<void*>(&raw));
    return session_.perform();
  }

  // MLSD says plainly which entries are folders; servers that do not know it
  // answer 500-504 and get LIST from then on.
  std::string list(const Job& job) {
    const std::string server =
        job.address.base + ":" + std::to_string(job.port) + ":" + job.address.user.value_or("");
    if (!serversWithoutMlsd_.contains(server)) {
      std::string raw;
      const CURLcode code = fetchListing(job, "MLSD", raw);
      if (code == CURLE_OK) return formatListing(raw, ListingFormat::Mlsd);
      const long reply = session_.responseCode();
      if (code != CURLE_FTP_COULDNT_RETR_FILE || reply < 500 || reply > 504) throw failure(code);
      serversWithoutMlsd_.insert(server);
    }
    std::string raw;
    const CURLcode code = fetchListing(job, nullptr, raw);
    if (code != CURLE_OK) throw failure(code);
    return formatListing(raw, ListingFormat::List);
  }

  void download(const Job& job) {
    Download file(job.operation.localPath);
    configure(job);
    session_.set(CURLOPT_WRITEFUNCTION, &Download::write);
    session_.set(CURLOPT_WRITEDATA, static_cast<void*>(&file));
    const CURLcode code = session_.perform();
    if (!file.problem().empty()) throw TransferError(kLocalFileFailed, file.problem());
    if (code != CURLE_OK) throw failure(code);
    file.commit();
  }

  void upload(const Job& job) {
    Upload file(job.operation.localPath);
    configure(job);
    session_.set(CURLOPT_UPLOAD, 1L);
    session_.set(CURLOPT_READFUNCTION, &Upload::read);
    session_.set(CURLOPT_READDATA, static_cast<void*>(&file));
    session_.set(CURLOPT_INFILESIZE_LARGE, file.size());
    const CURLcode code = session_.perform();
    if (!file.problem().empty()) throw TransferError(kLocalFileFailed, file.problem());
    if (code != CURLE_OK) throw failure(code);
  }

  CurlSession& session_;
  Watchdog watchdog_;
  std::set<std::string> serversWithoutMlsd_;
};

}  // namespace

struct Inet::Shared {
  std::mutex mutex;
  std::condition_variable wake;
  std::deque<Task> tasks;
  bool stopping = false;
  bool busy = false;  // from Execute until the request's outcome is stored
  // Kept as plain text: an exception's message buffer is shared between copies,
  // so each thread makes its own TransferError.
  std::optional<std::pair<int, std::string>> failure;
  std::string listing;
  std::size_t readPosition = 0;

  // Raises the failed request's error once. Called with the mutex held.
  void raisePendingFailure() {
    if (!failure) return;
    const TransferError error(failure->first, failure->second);
    failure.reset();
    throw error;
  }
  std::string lastUrl;
  std::chrono::seconds connectTimeout{15};
  std::chrono::seconds stallTimeout{30};
  std::atomic<bool> cancel{false};  // read by libcurl's progress callback, without the mutex
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
  if (RemotePort < 0 || RemotePort > 65535)
    throw TransferError(kBadUrl, "The URL is malformed: bad port number.");
  const std::string& target = url.empty() ? s.lastUrl : url;
  if (target.empty()) throw TransferError(kBadUrl, "The URL is malformed: no URL given.");
  Job job;
  job.address = parseFtpAddress(target);
  if (unsupported) throw *unsupported;
  job.operation = std::move(*parsed);
  job.url = job.operation.kind == Operation::Kind::Dir ? directoryUrl(job.address, job.operation.remotePath)
                                                       : fileUrl(job.address, job.operation.remotePath);
  job.port = RemotePort;
  job.connectTimeout = s.connectTimeout;
  job.stallTimeout = s.stallTimeout;

  s.lastUrl = target;
  s.busy = true;
  s.counts.moved = 0;
  s.counts.expected = 0;
  s.listing.clear();
  s.readPosition = 0;
  s.tasks.push_back(std::move(job));
  s.wake.notify_one();
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

    std::optional<std::pair<int, std::string>> failure;
    std::string listing;
    try {
      if (!requests) throw *broken;
      listing = requests->run(std::get<Job>(task));
    } catch (const TransferError& error) {
      failure.emplace(error.number, error.what());
    } catch (const std::exception& error) {
      failure.emplace(kRequestFailed, error.what());
    }
    const int state = failure ? kStateError : kStateResponseCompleted;
    {
      std::lock_guard lock(shared_->mutex);
      if (shared_->stopping) return;
      shared_->busy = false;
      shared_->failure = std::move(failure);
      shared_->listing = std::move(listing);
      shared_->readPosition = 0;
    }
    notify(state);
  }
}

}  // namespace transfer

// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/control/requests.h"

#include <memory>

#include "transfer/control/local_files.h"

namespace transfer {
namespace {

std::size_t appendToText(char* data, std::size_t size, std::size_t count, void* text) {
  static_cast<std::string*>(text)->append(data, size * count);
  return size * count;
}

// libcurl hands every server reply line to the header callback; the last one
// of a listing is the answer to the PWD sent after it.
std::size_t keepLastReply(char* data, std::size_t size, std::size_t count, void* reply) {
  std::string line(data, size * count);
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
    line.pop_back();
  *static_cast<std::string*>(reply) = std::move(line);
  return size * count;
}

struct SlistDeleter {
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

std::string hostOf(const std::string& url) {
  CURLU* handle = curl_url();
  if (!handle) return {};
  std::string host;
  char* text = nullptr;
  if (curl_url_set(handle, CURLUPART_URL, url.c_str(), 0) == CURLUE_OK &&
      curl_url_get(handle, CURLUPART_HOST, &text, 0) == CURLUE_OK) {
    host = text;
    curl_free(text);
  }
  curl_url_cleanup(handle);
  return host;
}

// What a user can act on, from libcurl's code and the server's last reply.
std::string plainReason(CURLcode code, long reply, bool connected) {
  if (reply == 452 || reply == 552 || code == CURLE_REMOTE_DISK_FULL) return "the server's disk is full";
  switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
      return "the host name is not known";
    case CURLE_COULDNT_CONNECT:
      return "the host does not answer";
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_FTP_ACCEPT_TIMEOUT:
      return connected ? "the server stopped answering" : "the host does not answer";
    case CURLE_LOGIN_DENIED:
      return "the user name or password was refused";
    case CURLE_WEIRD_SERVER_REPLY:
      return "the server's answer is not FTP";
    case CURLE_REMOTE_ACCESS_DENIED:
      return "the folder does not exist, or permission was denied";
    case CURLE_REMOTE_FILE_NOT_FOUND:
    case CURLE_FTP_COULDNT_RETR_FILE:
      return "the file does not exist, or permission was denied";
    case CURLE_UPLOAD_FAILED:
      return "the server refused the file (permission denied)";
    case CURLE_PARTIAL_FILE:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_GOT_NOTHING:
      return "the connection dropped";
    case CURLE_ABORTED_BY_CALLBACK:
      return "stopped";
    case CURLE_USE_SSL_FAILED:
      return "the server does not offer encryption";
    case CURLE_PEER_FAILED_VERIFICATION:
      return "the server's certificate is not trusted";
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
      return "the server's certificate has changed";
    case CURLE_SSL_CONNECT_ERROR:
      return "the encrypted connection could not be set up";
    default:
      return {};
  }
}

TransferError failureOf(CURLcode code, const CurlSession& session) {
  const std::string detail = " (" + session.errorText(code) + ").";
  std::string reason = plainReason(code, session.responseCode(), session.connected());
  switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
    case CURLE_LOGIN_DENIED:
    case CURLE_WEIRD_SERVER_REPLY:
      return {kCannotConnect, "Cannot connect to the remote host" + detail, std::move(reason)};
    case CURLE_USE_SSL_FAILED:
      return {kCannotConnect,
              "Cannot connect to the remote host (it does not offer encryption, which the ftpes:// "
              "address requires).",
              "the server does not offer encryption"};
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_FTP_ACCEPT_TIMEOUT:
      if (!session.connected())
        return {kCannotConnect, "Cannot connect to the remote host" + detail, std::move(reason)};
      return {kTimedOut, "The request timed out" + detail, std::move(reason)};
    case CURLE_ABORTED_BY_CALLBACK:
      return {kRequestFailed, "The request was cancelled.", std::move(reason)};
    default:
      return {kRequestFailed, "The request failed" + detail, std::move(reason)};
  }
}

// "257 "/pub/a ""quoted"" name" is the current directory": the path between
// the quotes, a doubled quote standing for one. Empty for any other reply.
std::string pathOfPwdReply(std::string_view reply) {
  if (!reply.starts_with("257")) return {};
  std::size_t at = reply.find('"');
  if (at == std::string_view::npos) return {};
  std::string path;
  for (++at; at < reply.size(); ++at) {
    if (reply[at] != '"') {
      path += reply[at];
    } else if (at + 1 < reply.size() && reply[at + 1] == '"') {
      path += '"';
      ++at;
    } else {
      return path;
    }
  }
  return {};
}

}  // namespace

RequestOutcome Requests::run(const Job& job) {
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

void Requests::configure(const Job& job) {
  session_.reset();
  session_.set(CURLOPT_URL, job.url);
  session_.set(CURLOPT_PROTOCOLS_STR, "ftp,ftps");
  const Encryption encryption = job.address.encryption;
  // Implicit TLS listens on a port of its own; a port typed in the address wins.
  const long port = encryption == Encryption::Implicit ? job.address.port.value_or(990) : job.port;
  session_.set(CURLOPT_PORT, port);
  server_ = hostOf(job.url) + ":" + std::to_string(port);
  // Control and data both protected; "try" falls back to plain FTP only when
  // the server answers AUTH TLS with a refusal.
  session_.set(CURLOPT_USE_SSL, encryption == Encryption::IfOffered ? static_cast<long>(CURLUSESSL_TRY)
                                                                    : static_cast<long>(CURLUSESSL_ALL));
  session_.set(CURLOPT_SSL_CTX_FUNCTION, &CertificateCapture::onSslContext);
  session_.set(CURLOPT_SSL_CTX_DATA, static_cast<void*>(&capture_));
  if (const auto trusted = job.trustedKeys.find(server_); trusted != job.trustedKeys.end()) {
    // The user accepted this key for this server: it alone is checked, in
    // place of the trust store and the name, on every connection.
    session_.set(CURLOPT_SSL_VERIFYPEER, 0L);
    session_.set(CURLOPT_SSL_VERIFYHOST, 0L);
    session_.set(CURLOPT_PINNEDPUBLICKEY, trusted->second);
  }
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

CURLcode Requests::perform(const Job& job) {
  refused_.reset();
  capture_.clear();
  const CURLcode code = session_.perform(cancel_);
  // Data connections are protected exactly when the control connection is.
  // A request on the kept control connection that opened no connection at
  // all shook no hands: it was as protected as the one before.
  long newConnections = 0;
  curl_easy_getinfo(session_.handle(), CURLINFO_NUM_CONNECTS, &newConnections);
  if (capture_.startedTls())
    encrypted_ = true;
  else if (newConnections > 0)
    encrypted_ = false;
  if ((code == CURLE_PEER_FAILED_VERIFICATION || code == CURLE_SSL_PINNEDPUBKEYNOTMATCH) && capture_.last()) {
    refused_ = RefusedCertificate{server_, *capture_.last(), job.trustedKeys.contains(server_)};
    encrypted_ = false;
  }
  return code;
}

TransferError Requests::failure(CURLcode code) const {
  if (refused_)
    return {kCannotConnect,
            refused_->changed ? "Cannot connect to the remote host (its certificate has changed since it was "
                                "trusted)."
                              : "Cannot connect to the remote host (its certificate is not trusted).",
            refused_->changed ? "the server's certificate has changed"
                              : "the server's certificate is not trusted"};
  if (code == CURLE_ABORTED_BY_CALLBACK && watchdog_.stalled())
    return {
        kTimedOut,
        "The request timed out (no data moved for " + std::to_string(watchdog_.stallTime().count()) + " s).",
        "the server stopped sending"};
  return failureOf(code, session_);
}

// The PWD after the listing, still in the listed folder, names it as the
// server knows it (links resolved, on most servers); a server that refuses
// PWD does not fail the listing ("*").
CURLcode Requests::fetchListing(const Job& job, const char* command, std::string& raw,
                                std::string& lastReply) {
  configure(job);
  if (command) session_.set(CURLOPT_CUSTOMREQUEST, command);
  session_.set(CURLOPT_WRITEFUNCTION, &appendToText);
  session_.set(CURLOPT_WRITEDATA, static_cast<void*>(&raw));
  const std::unique_ptr<curl_slist, SlistDeleter> afterwards(curl_slist_append(nullptr, "*PWD"));
  if (afterwards) session_.set(CURLOPT_POSTQUOTE, afterwards.get());
  session_.set(CURLOPT_HEADERFUNCTION, &keepLastReply);
  session_.set(CURLOPT_HEADERDATA, static_cast<void*>(&lastReply));
  return perform(job);
}

RequestOutcome Requests::list(const Job& job) {
  const std::string server =
      job.address.base + ":" + std::to_string(job.port) + ":" + job.address.user.value_or("");
  std::string lastReply;
  if (!serversWithoutMlsd_.contains(server)) {
    std::string raw;
    const CURLcode code = fetchListing(job, "MLSD", raw, lastReply);
    if (code == CURLE_OK) return listed(job, raw, ListingFormat::Mlsd, lastReply);
    const long reply = session_.responseCode();
    if (code != CURLE_FTP_COULDNT_RETR_FILE || reply < 500 || reply > 504) throw failure(code);
    serversWithoutMlsd_.insert(server);
  }
  std::string raw;
  const CURLcode code = fetchListing(job, nullptr, raw, lastReply);
  if (code != CURLE_OK) throw failure(code);
  return listed(job, raw, ListingFormat::List, lastReply);
}

RequestOutcome Requests::listed(const Job& job, std::string_view raw, ListingFormat format,
                                const std::string& lastReply) {
  RequestOutcome outcome;
  outcome.serverPath = pathOfPwdReply(lastReply);
  std::vector<ListingEntry> entries = parseListing(raw, format);
  for (ListingEntry& entry : entries) {
    if (entry.isLink) entry.isDirectory = changesInto(job, entry.name);
  }
  outcome.listing = formatEntries(entries);
  return outcome;
}

// CWD alone (no body): a refusal means a link to a file, or to nothing; any
// other failure ends the listing, as the connection is in doubt.
bool Requests::changesInto(const Job& job, const std::string& name) {
  if (name.find('/') != std::string::npos) return false;
  const std::string& folder = job.operation.remotePath;
  Job probe = job;
  try {
    probe.url =
        directoryUrl(job.address, folder + (folder.empty() || folder.ends_with('/') ? "" : "/") + name);
  } catch (const TransferError&) {
    return false;  // a name no request can carry
  }
  configure(probe);
  session_.set(CURLOPT_NOBODY, 1L);
  const CURLcode code = perform(probe);
  if (code == CURLE_OK) return true;
  if (code == CURLE_REMOTE_ACCESS_DENIED) return false;
  throw failure(code);
}

void Requests::download(const Job& job) {
  PartFile file(job.operation.localPath);
  configure(job);
  session_.set(CURLOPT_WRITEFUNCTION, &PartFile::write);
  session_.set(CURLOPT_WRITEDATA, static_cast<void*>(&file));
  const CURLcode code = perform(job);
  if (!file.problem().empty()) throw TransferError(kLocalFileFailed, file.problem());
  if (code != CURLE_OK) throw failure(code);
  file.commit();
}

void Requests::upload(const Job& job) {
  SourceFile file(job.operation.localPath);
  configure(job);
  session_.set(CURLOPT_UPLOAD, 1L);
  session_.set(CURLOPT_READFUNCTION, &SourceFile::read);
  session_.set(CURLOPT_READDATA, static_cast<void*>(&file));
  session_.set(CURLOPT_INFILESIZE_LARGE, file.size());
  const CURLcode code = perform(job);
  if (!file.problem().empty()) throw TransferError(kLocalFileFailed, file.problem());
  if (code != CURLE_OK) throw failure(code);
}

}  // namespace transfer

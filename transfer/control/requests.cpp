// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/control/requests.h"

#include <cstdlib>

#include "transfer/control/listing_parser.h"
#include "transfer/control/local_files.h"

namespace transfer {
namespace {

std::size_t appendToText(char* data, std::size_t size, std::size_t count, void* text) {
  static_cast<std::string*>(text)->append(data, size * count);
  return size * count;
}

// The port the address gives, if it gives one.
std::optional<long> typedPort(const std::string& url) {
  CURLU* handle = curl_url();
  if (!handle) return std::nullopt;
  std::optional<long> port;
  char* text = nullptr;
  if (curl_url_set(handle, CURLUPART_URL, url.c_str(), 0) == CURLUE_OK &&
      curl_url_get(handle, CURLUPART_PORT, &text, 0) == CURLUE_OK) {
    port = std::strtol(text, nullptr, 10);
    curl_free(text);
  }
  curl_url_cleanup(handle);
  return port;
}

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

TransferError failureOf(CURLcode code, const CurlSession& session) {
  const std::string detail = " (" + session.errorText(code) + ").";
  switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
    case CURLE_LOGIN_DENIED:
    case CURLE_WEIRD_SERVER_REPLY:
      return {kCannotConnect, "Cannot connect to the remote host" + detail};
    case CURLE_USE_SSL_FAILED:
      return {kCannotConnect,
              "Cannot connect to the remote host (it does not offer encryption, which the ftpes:// "
              "address requires)."};
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

}  // namespace

std::string Requests::run(const Job& job) {
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
  const long port = typedPort(job.url).value_or(encryption == Encryption::Implicit ? 990 : job.port);
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
  const CURLcode code = session_.perform();
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
    return {kCannotConnect, refused_->changed
                                ? "Cannot connect to the remote host (its certificate has changed since "
                                  "it was trusted)."
                                : "Cannot connect to the remote host (its certificate is not trusted)."};
  if (code == CURLE_ABORTED_BY_CALLBACK && watchdog_.stalled())
    return {kTimedOut, "The request timed out (no data moved for " +
                           std::to_string(watchdog_.stallTime().count()) + " s)."};
  return failureOf(code, session_);
}

CURLcode Requests::fetchListing(const Job& job, const char* command, std::string& raw) {
  configure(job);
  if (command) session_.set(CURLOPT_CUSTOMREQUEST, command);
  session_.set(CURLOPT_WRITEFUNCTION, &appendToText);
  session_.set(CURLOPT_WRITEDATA, static_cast<void*>(&raw));
  return perform(job);
}

std::string Requests::list(const Job& job) {
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

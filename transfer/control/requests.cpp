// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/control/requests.h"

#include "transfer/control/listing_parser.h"
#include "transfer/control/local_files.h"

namespace transfer {
namespace {

std::size_t appendToText(char* data, std::size_t size, std::size_t count, void* text) {
  static_cast<std::string*>(text)->append(data, size * count);
  return size * count;
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

TransferError Requests::failure(CURLcode code) const {
  if (code == CURLE_ABORTED_BY_CALLBACK && watchdog_.stalled())
    return {
        kTimedOut,
        "The request timed out (no data moved for " + std::to_string(watchdog_.stallTime().count()) + " s).",
        "the server stopped sending"};
  return failureOf(code, session_);
}

CURLcode Requests::fetchListing(const Job& job, const char* command, std::string& raw) {
  configure(job);
  if (command) session_.set(CURLOPT_CUSTOMREQUEST, command);
  session_.set(CURLOPT_WRITEFUNCTION, &appendToText);
  session_.set(CURLOPT_WRITEDATA, static_cast<void*>(&raw));
  return perform();
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
  const CURLcode code = perform();
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
  const CURLcode code = perform();
  if (!file.problem().empty()) throw TransferError(kLocalFileFailed, file.problem());
  if (code != CURLE_OK) throw failure(code);
}

}  // namespace transfer

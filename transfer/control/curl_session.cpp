// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/control/curl_session.h"

#include <sys/select.h>

namespace transfer {
namespace {

// curl_easy_perform sleeps up to a second between steps when libcurl gives it
// nothing to wait for, and libcurl 7.88 does so at random after EPSV or PASV
// before it opens the data connection: a batch of small files then stalls a
// second per file. Driving the handle with a short wait bounds that stall,
// and when libcurl waits on no socket at all the next step runs at once.
constexpr int kLongestWaitMs = 10;
constexpr int kIdleWaitMs = 1;

// Whether libcurl waits on any socket of the transfer. A socket beyond
// FD_SETSIZE is not seen here, which only makes the wait shorter.
bool waitsOnSocket(CURLM* multi) {
  fd_set read, write, except;
  FD_ZERO(&read);
  FD_ZERO(&write);
  FD_ZERO(&except);
  int highest = -1;
  return curl_multi_fdset(multi, &read, &write, &except, &highest) == CURLM_OK && highest >= 0;
}

}  // namespace

CurlSession::CurlSession() {
  open();
}

CurlSession::~CurlSession() {
  close();
}

void CurlSession::open() {
  multi_ = curl_multi_init();
  handle_ = curl_easy_init();
  if (!multi_ || !handle_) {
    close();
    throw TransferError(kRequestFailed, "Cannot start a transfer session.");
  }
  reset();
}

// Closing the multi handle closes its connections (libcurl sends QUIT when
// the server is still there).
void CurlSession::close() {
  if (handle_) curl_easy_cleanup(handle_);
  if (multi_) curl_multi_cleanup(multi_);
  handle_ = nullptr;
  multi_ = nullptr;
}

void CurlSession::reset() {
  curl_easy_reset(handle_);
  errorBuffer_[0] = '\0';
  set(CURLOPT_ERRORBUFFER, static_cast<char*>(errorBuffer_));
}

void CurlSession::closeConnection() {
  close();
  open();
}

CURLcode CurlSession::perform(const std::atomic<bool>& stop) {
  errorBuffer_[0] = '\0';
  if (curl_multi_add_handle(multi_, handle_) != CURLM_OK) return CURLE_FAILED_INIT;
  int running = 1;
  int idleRounds = 0;
  CURLMcode driven = CURLM_OK;
  bool stopped = false;
  while (driven == CURLM_OK) {
    // Checked here too, as libcurl calls the progress callback only in some phases.
    if (stop.load()) {
      stopped = true;
      break;
    }
    driven = curl_multi_perform(multi_, &running);
    if (driven != CURLM_OK || running == 0) break;
    // With no socket to wait on, the first retry is immediate and later ones
    // pause briefly, so a step that really waits on a timer does not spin.
    int wait = kLongestWaitMs;
    if (waitsOnSocket(multi_))
      idleRounds = 0;
    else
      wait = idleRounds++ == 0 ? 0 : kIdleWaitMs;
    driven = curl_multi_poll(multi_, nullptr, 0, wait, nullptr);
  }
  CURLcode result = driven == CURLM_OK ? CURLE_OK : CURLE_OUT_OF_MEMORY;
  int queued = 0;
  while (const CURLMsg* message = curl_multi_info_read(multi_, &queued)) {
    if (message->msg == CURLMSG_DONE && message->easy_handle == handle_) result = message->data.result;
  }
  if (stopped) result = CURLE_ABORTED_BY_CALLBACK;
  curl_multi_remove_handle(multi_, handle_);
  return result;
}

long CurlSession::responseCode() const {
  long code = 0;
  if (curl_easy_getinfo(handle_, CURLINFO_RESPONSE_CODE, &code) != CURLE_OK) return 0;
  return code;
}

bool CurlSession::connected() const {
  curl_off_t connectTime = 0;
  return curl_easy_getinfo(handle_, CURLINFO_CONNECT_TIME_T, &connectTime) == CURLE_OK && connectTime > 0;
}

bool CurlSession::transferStarted() const {
  curl_off_t pretransferTime = 0;
  return curl_easy_getinfo(handle_, CURLINFO_PRETRANSFER_TIME_T, &pretransferTime) == CURLE_OK &&
         pretransferTime > 0;
}

std::string CurlSession::errorText(CURLcode code) const {
  return errorBuffer_[0] != '\0' ? std::string(errorBuffer_) : std::string(curl_easy_strerror(code));
}

void CurlSession::check(CURLcode code) const {
  if (code != CURLE_OK)
    throw TransferError(kRequestFailed,
                        std::string("Cannot set a transfer option: ") + curl_easy_strerror(code));
}

}  // namespace transfer

#include "transfer/remote/curl_session.h"

namespace transfer {

CurlSession::CurlSession() {
  open();
}

CurlSession::~CurlSession() {
  curl_easy_cleanup(handle_);
}

void CurlSession::open() {
  handle_ = curl_easy_init();
  if (!handle_) throw TransferError(kRequestFailed, "Cannot start a transfer session.");
  reset();
}

void CurlSession::reset() {
  curl_easy_reset(handle_);
  errorBuffer_[0] = '\0';
  set(CURLOPT_ERRORBUFFER, static_cast<char*>(errorBuffer_));
}

void CurlSession::closeConnection() {
  curl_easy_cleanup(handle_);
  handle_ = nullptr;
  open();
}

CURLcode CurlSession::perform() {
  errorBuffer_[0] = '\0';
  return curl_easy_perform(handle_);
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

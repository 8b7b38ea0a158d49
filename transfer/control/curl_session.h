// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one owner of a libcurl easy handle and the multi handle that drives
// it. The multi handle keeps the open control connection across requests;
// only QUIT closes it.

#include <curl/curl.h>

#include <atomic>
#include <string>
#include <type_traits>

#include "transfer/control/transfer_error.h"

namespace transfer {

class CurlSession {
 public:
  CurlSession();
  ~CurlSession();
  CurlSession(const CurlSession&) = delete;
  CurlSession& operator=(const CurlSession&) = delete;

  // Forgets every option of the last request but keeps the connection.
  void reset();
  // Closes the connection (libcurl sends QUIT when the server is still there).
  void closeConnection();

  // Throws TransferError(kRequestFailed) when libcurl refuses the option.
  template <typename T>
  void set(CURLoption option, T value) {
    static_assert(std::is_same_v<T, long> || std::is_same_v<T, curl_off_t> || std::is_pointer_v<T>,
                  "libcurl takes long, curl_off_t or pointer arguments only");
    check(curl_easy_setopt(handle_, option, value));
  }
  void set(CURLoption option, const std::string& text) { set(option, text.c_str()); }

  // Ends with CURLE_ABORTED_BY_CALLBACK soon after `stop` turns true, in
  // whatever phase the request is.
  CURLcode perform(const std::atomic<bool>& stop);
  CURL* handle() const { return handle_; }
  long responseCode() const;
  bool connected() const;        // whether the request got as far as a TCP connection
  bool transferStarted() const;  // whether the request has begun to move data; callable from its callbacks
  // libcurl's text about the last failure; holds no credentials since they never enter the URL.
  std::string errorText(CURLcode code) const;

 private:
  void open();
  void close();
  void check(CURLcode code) const;

  CURLM* multi_ = nullptr;
  CURL* handle_ = nullptr;
  char errorBuffer_[CURL_ERROR_SIZE] = {};
};

}  // namespace transfer

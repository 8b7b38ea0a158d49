// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The error numbers the transfer control raises, in the Windows control's
// 357xx range so the forms can test them as the original did.

#include <stdexcept>
#include <string>

namespace transfer {

constexpr int kBadUrl = 35752;         // malformed URL (raised by Execute at once)
constexpr int kBadRequest = 35753;     // operation text or protocol not supported (raised by Execute at once)
constexpr int kCannotConnect = 35754;  // cannot resolve, connect or log in
constexpr int kRequestFailed = 35755;  // the server refused the request (550 ...) or the connection broke
constexpr int kLocalFileFailed = 35756;  // the local file cannot be read or written
constexpr int kTimedOut = 35761;         // no answer or no progress within the time-outs
constexpr int kStillExecuting = 35764;   // Execute or GetChunk while a request still runs

struct TransferError : std::runtime_error {
  TransferError(int errorNumber, const std::string& description, std::string why = {})
      : std::runtime_error(description), number(errorNumber), reason(std::move(why)) {}
  int number;
  // What went wrong in a user's words ("the user name or password was
  // refused"); empty where the number says all there is.
  std::string reason;
};

}  // namespace transfer

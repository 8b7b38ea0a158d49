// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a download or upload click tells at its end. "Operation Complete."
// only when every file handed to the transfer arrived whole; otherwise a
// report of what was not copied, headed by how many of how many were, so a
// failure never passes for success.

#include <string>
#include <vector>

#include "transfer/remote/ftp_window.h"
#include "transfer/remote/transfer_steps.h"

namespace transfer {

struct FileFailure {
  std::string name;  // as the user knows it, a folder's files with the folder in front
  std::string why;   // a few words
};

// A few words for a transfer control error number.
std::string reasonFor(int errorNumber);
// The request's own reason in a user's words, else the words for its number.
std::string reasonFor(const RequestResult& result);

// "C of H files were copied." then the names and reasons, one a line, the
// first 20 of them.
std::string failureReport(int copied, const std::vector<FileFailure>& failures);

// The files of one click: which arrived, which did not, and whether the run
// goes on. Once it was stopped or the server cannot be reached, every later
// file is recorded as not tried, without a request.
class TransferReport {
 public:
  explicit TransferReport(FtpWindow& f) : f_(f) {}

  void arrived() { ++copied_; }
  void fail(const std::string& name, const std::string& why) { failures_.push_back({name, why}); }

  // False once the run takes no more requests: after Esc or the end of the
  // program, a server that cannot be reached, or a bad URL. Records Esc the
  // first time it is seen.
  [[nodiscard]] bool goingOn();
  // A bad URL ends the click at once: nothing more is reported.
  bool endsAtOnce() const { return state_ == State::BadUrl; }
  // Records a file the run will not try.
  void notTried(const std::string& name) { fail(name, "not tried"); }

  // Records a request's end for `name`: arrived, stopped or failed. At a bad
  // URL shows "Bad URL ..." (the bar stays, no closing message follows).
  void settle(const RequestResult& result, const std::string& name);

  // Hides the bar and tells the end: nothing when the program is ending or at
  // a bad URL; after Esc "Stopped." with the report; when the server could
  // not be reached "35754", then the report; else `blankMessage` (when not
  // empty), then the report when a file did not arrive, or "Operation
  // Complete." when all did, or "No Files Selected or Copied." when nothing
  // was selected.
  void close(const std::string& blankMessage);

 private:
  enum class State { Going, Stopped, CannotConnect, BadUrl };

  FtpWindow& f_;
  State state_ = State::Going;
  int copied_ = 0;
  std::vector<FileFailure> failures_;
};

}  // namespace transfer

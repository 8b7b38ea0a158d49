// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a download or upload click tells at its end: the closing message,
// then the files that did not arrive, so a failure never passes for success.

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

// The names and reasons, one a line, the first 20 of them; `untried` adds a
// line saying the rest of the selection was not tried.
std::string failureReport(const std::vector<FileFailure>& failures, bool untried);

// The files of one click that did not arrive, and the messages that end it.
class TransferReport {
 public:
  explicit TransferReport(FtpWindow& f) : f_(f) {}

  void fail(const std::string& name, const std::string& why) { failures_.push_back({name, why}); }

  // Records a request that did not succeed. False when the click ends here,
  // its messages shown: at a bad URL (the bar stays, no closing message, as
  // nothing could be sent) and when the server cannot be reached even after
  // the repeats ("35754", then the files that did not arrive).
  [[nodiscard]] bool settle(const RequestResult& result, const std::string& name);

  // Hides the bar; the closing message, then the files that did not arrive.
  void close(const std::string& closingMessage);

  // Ends a run the user stopped with Esc: hides the bar; "Stopped.", then
  // the files that did not arrive. No message when the program is ending.
  void stopped();

 private:
  FtpWindow& f_;
  std::vector<FileFailure> failures_;
};

}  // namespace transfer

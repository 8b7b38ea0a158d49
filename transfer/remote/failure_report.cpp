// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/remote/failure_report.h"

#include <algorithm>

#include "platform/host.h"
#include "transfer/control/transfer_error.h"
#include "transfer/remote/connection_settings.h"
#include "transfer/remote/remote_name.h"

namespace transfer {
namespace {

using platform::MessageButtons;

// Enough to see what went wrong without a box taller than the screen.
constexpr std::size_t kMaxNamesShown = 20;

}  // namespace

std::string reasonFor(int errorNumber) {
  switch (errorNumber) {
    case kCannotConnect:
      return "cannot connect to the server";
    case kRequestFailed:
      return "refused by the server or the connection broke";
    case kLocalFileFailed:
      return "the local file cannot be read or written";
    case kTimedOut:
      return "no answer in time";
    case kBadRequest:
      return "not a request the server can take";
    default:
      return "error " + std::to_string(errorNumber);
  }
}

std::string reasonFor(const RequestResult& result) {
  return result.reason.empty() ? reasonFor(result.error) : result.reason;
}

std::string failureReport(int copied, const std::vector<FileFailure>& failures) {
  const int handed = copied + static_cast<int>(failures.size());
  std::string text = std::to_string(copied) + " of " + std::to_string(handed) + " files were copied.";
  if (failures.empty()) return text;
  text += "\nThese files were not copied:";
  const std::size_t shown = std::min(failures.size(), kMaxNamesShown);
  for (std::size_t i = 0; i < shown; ++i)
    text += "\n" + printableName(failures[i].name) + ": " + failures[i].why;
  if (failures.size() > shown) text += "\n... and " + std::to_string(failures.size() - shown) + " more.";
  return text;
}

bool TransferReport::goingOn() {
  if (state_ == State::Going && f_.run.stopRequested) state_ = State::Stopped;
  return state_ == State::Going;
}

void TransferReport::settle(const RequestResult& result, const std::string& name) {
  switch (result.end) {
    case RequestEnd::Done:
      arrived();
      return;
    case RequestEnd::BadUrl:
      state_ = State::BadUrl;
      f_.host.messageBox("Bad URL " + withoutTrailingSlash(addressForMessages(f_)), MessageButtons::Ok);
      return;
    case RequestEnd::Stopped:
      if (state_ == State::Going) state_ = State::Stopped;
      fail(name, "stopped");
      return;
    case RequestEnd::Refused:
    case RequestEnd::Failed:
      fail(name, reasonFor(result));
      if (result.error == kCannotConnect && state_ == State::Going) state_ = State::CannotConnect;
      return;
  }
}

void TransferReport::close(const std::string& blankMessage) {
  if (state_ == State::BadUrl) return;
  f_.ProgressBar1.visible = false;
  if (f_.run.ending) return;
  if (state_ == State::Stopped) {
    f_.host.messageBox("Stopped.\n" + failureReport(copied_, failures_), MessageButtons::Ok);
    return;
  }
  if (state_ == State::CannotConnect) {
    f_.host.messageBox(std::to_string(kCannotConnect), MessageButtons::Ok);
    f_.host.messageBox(failureReport(copied_, failures_), MessageButtons::Ok);
    return;
  }
  if (!blankMessage.empty()) f_.host.messageBox(blankMessage, MessageButtons::Ok);
  if (!failures_.empty()) {
    f_.host.messageBox(failureReport(copied_, failures_), MessageButtons::Ok);
  } else if (blankMessage.empty()) {
    f_.host.messageBox(copied_ > 0 ? "Operation Complete." : "No Files Selected or Copied.",
                       MessageButtons::Ok);
  }
}

}  // namespace transfer

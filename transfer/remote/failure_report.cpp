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

std::string failureReport(const std::vector<FileFailure>& failures, bool untried) {
  std::string text = "These files were not copied:";
  const std::size_t shown = std::min(failures.size(), kMaxNamesShown);
  for (std::size_t i = 0; i < shown; ++i)
    text += "\n" + printableName(failures[i].name) + ": " + failures[i].why;
  if (failures.size() > shown) text += "\n... and " + std::to_string(failures.size() - shown) + " more.";
  if (untried) text += "\nThe files after these were not tried.";
  return text;
}

bool TransferReport::settle(const RequestResult& result, const std::string& name) {
  if (result.end == RequestEnd::Done) return true;
  if (result.end == RequestEnd::BadUrl) {
    f_.host.messageBox("Bad URL " + withoutTrailingSlash(addressForMessages(f_)), MessageButtons::Ok);
    return false;
  }
  fail(name, reasonFor(result.error));
  if (result.error != kCannotConnect) return true;
  f_.ProgressBar1.visible = false;
  f_.host.messageBox(std::to_string(kCannotConnect), MessageButtons::Ok);
  f_.host.messageBox(failureReport(failures_, true), MessageButtons::Ok);
  return false;
}

void TransferReport::stopped() {
  f_.ProgressBar1.visible = false;
  if (f_.run.ending) return;
  f_.host.messageBox("Stopped.", MessageButtons::Ok);
  if (!failures_.empty()) f_.host.messageBox(failureReport(failures_, true), MessageButtons::Ok);
}

void TransferReport::close(const std::string& closingMessage) {
  f_.ProgressBar1.visible = false;
  f_.host.messageBox(closingMessage, MessageButtons::Ok);
  if (!failures_.empty()) f_.host.messageBox(failureReport(failures_, false), MessageButtons::Ok);
}

}  // namespace transfer

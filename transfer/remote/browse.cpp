// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/remote/browse.h"

#include "platform/host.h"
#include "platform/text_number.h"
#include "transfer/control/transfer_error.h"
#include "transfer/remote/connection_settings.h"
#include "transfer/remote/failure_report.h"
#include "transfer/remote/network_drive.h"
#include "transfer/remote/remote_name.h"
#include "transfer/remote/transfer_steps.h"
#include "transfer/remote/window_title.h"

namespace transfer {
namespace {

using platform::MessageAnswer;
using platform::MessageButtons;

void stepInto(FtpWindow& f, const std::string& entry) {
  ++f.remote.remoteDepth;
  const auto depth = static_cast<std::size_t>(f.remote.remoteDepth);
  if (f.remote.remotePathParts.size() <= depth) f.remote.remotePathParts.resize(depth + 1);
  f.remote.remotePathParts[depth] = remoteChild(f.remote.remotePathParts[depth - 1], entry);
}

// Asks before repeating; cannot-connect ends the click at once.
bool askToRepeat(FtpWindow& f, int error) {
  if (error == kCannotConnect) return false;
  const std::string title = "Error " + platform::signedForm(error) + " Found";
  return f.host.messageBox("Continue?", MessageButtons::OkCancel, title) == MessageAnswer::Ok;
}

}  // namespace

std::vector<std::string> splitListing(std::string_view text) {
  std::vector<std::string> names;
  std::string name;
  for (char c : text) {
    if (c == '\r') {
      if (!name.empty()) names.push_back(name);
      name.clear();
    } else if (c == '\n') {
      name.clear();
    } else {
      name += c;
    }
  }
  return names;
}

std::string remoteChild(const std::string& directory, const std::string& entry) {
  return directory + (directory.empty() ? "/" : "") + entry;
}

void command4Click(FtpWindow& f) {
  f.Combo1.setText("All");
  if (f.inNetworkMode()) {
    listNetworkFolder(f);
    f.run.listShowsLocal = false;
    showPlaceInTitle(f);
    return;
  }
  if (!f.inFtpMode()) return;

  const std::string current = f.List1.currentItem();
  // A step that fails is taken back, so the path keeps naming the folder the
  // list shows and the next click steps from there.
  const FtpWindow::RemotePlace placeBefore = f.remote;
  const std::string text2Before = f.Text2.text();
  const auto takeBack = [&] {
    f.remote = placeBefore;
    f.Text2.setText(text2Before);
  };
  if (current == kGoUp && f.remote.remoteDepth > 0) --f.remote.remoteDepth;
  if (f.List1.listCount() > 0 && current.ends_with('/') && isSafeRemoteName(current)) stepInto(f, current);

  const std::string path = f.remote.remotePathParts[static_cast<std::size_t>(f.remote.remoteDepth)];
  f.Text2.setText(path);
  const TransferButtonsOff buttonsOff(f);
  beginRun(f);
  prepareControl(f);
  const std::string address = transferAddress(f);
  f.remote.connectUrl = address + path;
  const RequestResult result =
      runRequest(f, address, "DIR " + path,
                 {.onError = {}, .mayRepeat = [&f](int error) { return askToRepeat(f, error); }});
  if (result.end != RequestEnd::Done) takeBack();
  if (result.end == RequestEnd::BadUrl) {
    f.host.messageBox("Bad URL " + addressForMessages(f) + path, MessageButtons::Ok);
    return;
  }
  if (result.end == RequestEnd::Stopped) return;
  if (result.end != RequestEnd::Done) {
    // After the number, what happened in plain words.
    if (result.error == kCannotConnect) {
      f.host.messageBox(std::to_string(kCannotConnect), MessageButtons::Ok);
      f.host.messageBox("The server cannot be reached: " + reasonFor(result) + ".", MessageButtons::Ok);
    } else {
      f.host.messageBox("The remote directory could not be listed: " + reasonFor(result) + ".",
                        MessageButtons::Ok);
    }
    return;
  }

  f.txtNote.setText(readListing(f));
  f.List1.clearItems();
  if (f.remote.remoteDepth != 0) f.List1.addItem(kGoUp);
  for (const std::string& name : splitListing(f.txtNote.text())) {
    if (isSafeRemoteName(name)) f.List1.addItem(name);
  }
  f.run.listShowsLocal = false;
  showPlaceInTitle(f);
}

}  // namespace transfer

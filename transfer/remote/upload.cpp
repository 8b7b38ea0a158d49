// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/remote/upload.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/text_number.h"
#include "transfer/remote/connection_settings.h"
#include "transfer/remote/failure_report.h"
#include "transfer/remote/network_drive.h"
#include "transfer/remote/progress_text.h"
#include "transfer/remote/remote_name.h"
#include "transfer/remote/transfer_steps.h"

namespace transfer {

void command3Click(FtpWindow& f) {
  if (!f.run.listShowsLocal) return;
  if (f.inNetworkMode()) return copySelectedFiles(f, CopyDirection::ToRemote);
  if (!f.inFtpMode()) return;
  const TransferButtonsOff buttonsOff(f);
  beginRun(f);
  TransferReport report(f);
  int blanks = 0;
  f.remote.connectUrl = transferAddress(f);
  if (f.List1.currentItem().ends_with('/') || f.List1.listCount() == 0) return;
  const std::string url = withoutTrailingSlash(f.remote.connectUrl);
  const std::string remotePath = f.remote.remotePathParts[static_cast<std::size_t>(f.remote.remoteDepth)];
  f.Text2.setText(remotePath);
  ensureLocalFolder(f);
  // Taken once, so what is typed into the box meanwhile cannot change the sources.
  const std::string localFolder = f.Text1.text();
  f.ProgressBar1.visible = true;
  f.ProgressBar1.minimum = 0;
  f.ProgressBar1.maximum = 100;
  f.ProgressBar1.progress = 0;
  // A snapshot of the list, which the window may change while the run waits.
  const std::vector<std::string> entries = f.List1.items;
  const std::vector<bool> selected = f.List1.selected;
  const int lastIndex = static_cast<int>(entries.size()) - 1;
  prepareControl(f);

  FileProgress file;
  for (int index = 0; index <= lastIndex; ++index) {
    const std::string& name = entries[static_cast<std::size_t>(index)];
    if (isSelected(selected, index) && !name.ends_with('/') && !hasBlank(name)) ++file.total;
  }
  int position = 0;
  // The bar moves in the trap, by the entry's place in the list and within a
  // file by its bytes, and reaches 100 at the last entry; a list of one entry
  // is at its last entry from the start.
  const auto moveBar = [&] {
    const double place = lastIndex > 0 ? (position + requestShare(f)) * 100 / lastIndex : 100;
    f.ProgressBar1.progress = std::min(static_cast<int>(place), 100);
    showFileProgress(f, file);
  };
  const Trap trap{.onError = moveBar, .mayRepeat = {}};
  for (position = 0; position <= lastIndex; ++position) {
    if (position < f.List1.listCount()) f.List1.listIndex = position;
    const std::string& name = entries[static_cast<std::size_t>(position)];
    if (!isSelected(selected, position) || name.ends_with('/')) continue;
    if (hasBlank(name)) {
      ++blanks;
      continue;
    }
    // After Esc or an unreachable server the rest is named, not sent.
    if (!report.goingOn()) {
      if (report.endsAtOnce()) return;
      report.notTried(name);
      continue;
    }
    if (!isSafeRemoteName(name)) {
      report.fail(name, "not a plain file name");
      continue;
    }
    file.name = name;
    file.started = f.steadyNow();
    const RequestResult result =
        runRequest(f, url, "PUT " + localFolder + "/" + name + " " + remotePath + name, trap);
    report.settle(result, name);
    ++file.done;
  }
  clearFileProgress(f);

  report.close(blanks == 0
                   ? ""
                   : platform::signedForm(blanks) + " files had blanks in their names and were not copied.");
}

}  // namespace transfer

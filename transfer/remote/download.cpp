// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/remote/download.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <system_error>
#include <vector>

#include "platform/text_number.h"
#include "transfer/control/inet.h"
#include "transfer/remote/browse.h"
#include "transfer/remote/connection_settings.h"
#include "transfer/remote/failure_report.h"
#include "transfer/remote/network_drive.h"
#include "transfer/remote/progress_text.h"
#include "transfer/remote/remote_name.h"
#include "transfer/remote/transfer_steps.h"

namespace transfer {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxFolderLevels = 32;

// One click's run, with the counts and failures it collects on its way.
class Download {
 public:
  explicit Download(FtpWindow& f) : f_(f), report_(f) {}

  void run() {
    prepareControl(f_);
    f_.remote.connectUrl = transferAddress(f_);
    url_ = withoutTrailingSlash(f_.remote.connectUrl);
    const std::string remotePath = f_.remote.remotePathParts[static_cast<std::size_t>(f_.remote.remoteDepth)];
    f_.Text2.setText(remotePath);
    f_.ProgressBar1.visible = true;
    f_.ProgressBar1.minimum = 0;
    f_.ProgressBar1.maximum = 100;
    ensureLocalFolder(f_);
    // Taken once, so what is typed into the box meanwhile cannot move the files.
    const std::string localFolder = f_.Text1.text();

    // A snapshot of the list, which the window may change while the run waits.
    const std::vector<std::string> entries = f_.List1.items;
    const std::vector<bool> selected = f_.List1.selected;
    entryCount_ = static_cast<int>(entries.size());
    for (int index = 0; index < entryCount_; ++index) {
      const std::string& name = entries[static_cast<std::size_t>(index)];
      if (isSelected(selected, index) && !isGoUp(index, name)) countFile(name);
    }
    for (int index = 0; index < entryCount_; ++index) {
      if (index < f_.List1.listCount()) f_.List1.listIndex = index;
      position_ = index;
      const std::string& name = entries[static_cast<std::size_t>(index)];
      if (!isSelected(selected, index) || isGoUp(index, name)) continue;
      if (name.ends_with('/'))
        fetchFolder(remotePath, name, "", localFolder, 1);
      else
        fetchFile(remotePath, name, "", localFolder);
    }
    clearFileProgress(f_);
    report_.close(blanks_ == 0 ? ""
                               : platform::signedForm(blanks_) +
                                     " files had blanks in the names and were not copied.");
  }

 private:
  // "... go up" heads the list below the start directory; it names no file.
  bool isGoUp(int index, const std::string& name) const {
    return index == 0 && f_.remote.remoteDepth != 0 && name == kGoUp;
  }

  // `shownAs` is the folder path the user knows the entry by, empty at the
  // top. Once the run has ended, what is left is recorded as not tried.
  void fetchFile(const std::string& remoteDir, const std::string& name, const std::string& shownAs,
                 const std::string& localDir) {
    if (hasBlank(name)) {
      ++blanks_;
      return;
    }
    if (!report_.goingOn()) {
      if (!report_.endsAtOnce()) report_.notTried(shownAs + name);
      return;
    }
    if (!isSafeRemoteName(name) || name.ends_with('/')) {
      report_.fail(shownAs + name, "not a plain file name");
      return;
    }
    file_.name = shownAs + name;
    file_.started = f_.steadyNow();
    const RequestResult result = runRequest(f_, url_, "GET " + remoteDir + name + " " + localDir + "/" + name,
                                            trap(shownAs.empty(), true));
    report_.settle(result, shownAs + name);
    ++file_.done;
  }

  // A file the bar's count takes in: blank names are never fetched.
  void countFile(const std::string& entry) {
    if (!entry.ends_with('/') && !hasBlank(entry)) ++file_.total;
  }

  void fetchFolder(const std::string& remoteDir, const std::string& entry, const std::string& shownAs,
                   const fs::path& localParent, int level) {
    const std::string shown = shownAs + entry;
    if (!report_.goingOn()) {
      if (!report_.endsAtOnce()) report_.notTried(shown);
      return;
    }
    if (!isSafeRemoteName(entry)) {
      report_.fail(shown, "not a plain folder name");
      return;
    }
    if (level > kMaxFolderLevels) {
      report_.fail(shown, "more than " + std::to_string(kMaxFolderLevels) + " levels deep");
      return;
    }
    const std::string remoteFolder = remoteChild(remoteDir, entry);
    const RequestResult listed = runRequest(f_, url_, "DIR " + remoteFolder, trap(false, false));
    if (listed.end != RequestEnd::Done) return report_.settle(listed, shown);
    if (const std::string first = enteredAs(f_.Inet1->ServerPath(), shown); first != shown) {
      report_.fail(shown, "the same server folder as " + printableName(first) + ", copied once");
      return;
    }
    const fs::path localDir = localParent / entry.substr(0, entry.size() - 1);
    if (!makeLocalFolder(localDir)) {
      report_.fail(shown, "the local folder cannot be made");
      return;
    }

    f_.txtNote.setText(readListing(f_));
    f_.List2.clearItems();
    for (const std::string& child : splitListing(f_.txtNote.text()))
      f_.List2.addItem(child);
    // List2 is the next folder's once we step down, so walk a copy.
    const std::vector<std::string> children = f_.List2.items;
    for (const std::string& child : children)
      countFile(child);
    for (const std::string& child : children) {
      if (child.ends_with('/'))
        fetchFolder(remoteFolder, child, shown, localDir, level + 1);
      else
        fetchFile(remoteFolder, child, shown, localDir.string());
    }
  }

  // A link to a folder above would have the walk enter the same folders
  // again and again, so each server folder is entered once a click, told by
  // the server's own path for it; a server that names no path leaves only
  // the depth bound. Returns the name the folder was first entered as.
  std::string enteredAs(const std::string& serverPath, const std::string& shown) {
    if (serverPath.empty()) return shown;
    return entered_.try_emplace(serverPath, shown).first->second;
  }

  // Never follows a link out of the local folder: an entry of that name that
  // is there already must be a folder itself.
  static bool makeLocalFolder(const fs::path& folder) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(folder, error);
    if (fs::is_directory(status)) return true;
    if (fs::exists(status)) return false;
    return fs::create_directory(folder, error) && !error;
  }

  // The bar moves in the trap, so it advances while each request is awaited:
  // by the entry's place in the list and, within a file of the list, by its
  // bytes. Inside a folder it stays at the folder's place. The bar's text
  // follows each file.
  Trap trap(bool byBytes, bool aFile) {
    return {.onError = [this, byBytes, aFile] { moveBar(byBytes, aFile); }, .mayRepeat = {}};
  }

  void moveBar(bool byBytes, bool aFile) {
    const double share = byBytes ? requestShare(f_) : 0;
    f_.ProgressBar1.progress = std::clamp(static_cast<int>((position_ + share) * 100 / entryCount_), 0, 100);
    if (aFile) showFileProgress(f_, file_);
  }

  FtpWindow& f_;
  TransferReport report_;
  FileProgress file_;
  std::string url_;
  int blanks_ = 0;
  int position_ = 0;
  int entryCount_ = 0;
  std::map<std::string, std::string> entered_;  // server path -> the name first entered as
};

}  // namespace

void command1Click(FtpWindow& f) {
  if (f.run.listShowsLocal) return;
  if (f.inNetworkMode()) return copySelectedFiles(f, CopyDirection::ToLocal);
  if (!f.inFtpMode()) return;
  const TransferButtonsOff buttonsOff(f);
  beginRun(f);
  Download(f).run();
}

}  // namespace transfer

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Quillmere's transfer window as its handlers see it: the controls, named as
// on the window (txtURLbox the address, Text1 the local folder, List1 the
// file list), and the state that lives for the whole run. The handlers of
// both sides are free functions over it, one file per behaviour: the remote
// side's here in transfer/remote/, the window's own (startup, local list,
// filter, saved list) in transfer/local/, where `FTP` lays the window out and
// wires its events.

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/control.h"
#include "platform/host.h"
#include "platform/local_time.h"

namespace transfer {

class Inet;

using platform::Control;
using platform::MenuItem;

// The path table starts with this many entries and grows as the user steps
// deeper.
constexpr int kRemoteDepths = 16;

class FtpWindow : public platform::Form {
 public:
  // `dataFolder` holds the settings file; `defaultFolder` is the local folder
  // of a first start and the fallback of a failed listing.
  FtpWindow(platform::Host& host, Inet& inet, std::filesystem::path dataFolder,
            std::filesystem::path defaultFolder);

  platform::Host& host;
  const std::filesystem::path dataFolder;
  const std::string defaultFolder;

  // The settings file's lines but the local folder, which Text1 holds. Read
  // at startup; written by Command6, the folder dialog and User Settings.
  struct Settings {
    std::string serverAddress;
    std::string networkFolder;
    std::string userName;
    std::string password;
    double port = 0;
  } settings;

  // Where requests go. Startup and Command6 set connectUrl; browsing steps
  // the path, whose entry 0 is the folder the server starts in.
  struct RemotePlace {
    std::string connectUrl;
    std::vector<std::string> remotePathParts = std::vector<std::string>(kRemoteDepths);
    int remoteDepth = 0;
  } remote;

  // The list's side and the stops of a run: the list's handlers set
  // listShowsLocal, Esc and Exit the stops, and a run reads them.
  struct Run {
    bool listShowsLocal = false;
    // Esc during a listing, download or upload: the file under way is
    // abandoned and the run ends.
    bool stopRequested = false;
    // The program is ending: a run under way stops as for Esc, silently.
    bool ending = false;
  } run;

  // The moment a saved list is named after.
  platform::LocalClock localNow = platform::localTimeNow;
  // The clock a transfer's speed is measured by.
  std::function<std::chrono::steady_clock::time_point()> steadyNow = std::chrono::steady_clock::now;

  Control Label1, txtURLbox, Command6, Label2, Text1, Command7, List1, Command8, Command4, Command1, Command3,
      Command2, Combo1, Picture1, ProgressBar1, List2, Text2, Text3, txtNote, Timer1;
  // The transfer control, owned beside the window by the program.
  Inet* const Inet1;

  MenuItem mnuItemFile, mnuItemChangeLocal, mnuItemUserSettings, mnuItemSwitchRemote, mnuItemSaveList,
      mnuItemExit;
  MenuItem mnuItemHelp, mnuItemUserManual, mnuItemAbout;

  // The server type, told by the caption of Label1.
  static constexpr const char* kFtpMode = "Address: ftp://";
  static constexpr const char* kNetworkMode = "Network Drive";
  bool inFtpMode() const { return Label1.caption == kFtpMode; }
  bool inNetworkMode() const { return Label1.caption == kNetworkMode; }
};

// Waits about `seconds` while the window goes on handling its events; the
// transfer control's state event ends the wait early.
void Hold(FtpWindow& f, double seconds);

}  // namespace transfer

// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/local/ftp_events.h"

#include "transfer/control/inet.h"
#include "transfer/local/address_change.h"
#include "transfer/local/change_folder.h"
#include "transfer/local/file_type_filter.h"
#include "transfer/local/filter_file.h"
#include "transfer/local/local_list.h"
#include "transfer/local/saved_list.h"
#include "transfer/local/server_type.h"
#include "transfer/remote/browse.h"
#include "transfer/remote/connection_settings.h"
#include "transfer/remote/download.h"
#include "transfer/remote/list_keys.h"
#include "transfer/remote/stop_run.h"
#include "transfer/remote/upload.h"
#include "transfer/remote/user_settings.h"

namespace transfer {
void connectFtpEvents(FTP& f, ChangeFolder& folderDialog, UserSettings& settingsDialog) {
  f.Command6.onClick = [&f, &folderDialog] { command6Click(f, folderDialog); };
  f.Command7.onClick = [&f, &folderDialog] { command7Click(f, folderDialog); };
  f.Command8.onClick = [&f] { listLocalFiles(f); };
  f.Command4.onClick = [&f] { command4Click(f); };
  f.List1.onOpenEntry = [&f] { openCurrentEntry(f); };
  f.List1.onGoBack = [&f] { goUpOneLevel(f); };
  f.Command1.onClick = [&f] { command1Click(f); };
  f.Command3.onClick = [&f] { command3Click(f); };
  f.onEscape = [&f] { stopRun(f); };
  f.onQueryUnload = [&f] {
    closeWindow(f);
    return true;
  };
  f.Timer1.onTimer = [&f] { f.Timer1.interval = 0; };
  // A finished request ends a Hold at once, so transfers pace themselves.
  f.Inet1->StateChanged = [&f](int state) {
    if (state == kStateResponseCompleted || state == kStateError) f.Timer1.interval = 0;
  };
  f.mnuItemChangeLocal.onClick = [&folderDialog] { showChangeFolder(folderDialog); };
  f.mnuItemUserSettings.onClick = [&settingsDialog] { showUserSettings(settingsDialog); };
  f.Command2.onClick = [&f] { applyFilter(f); };
  f.mnuItemSwitchRemote.onClick = [&f] { switchServerType(f); };
  f.mnuItemSaveList.onClick = [&f] { saveDirectoryList(f); };
  f.mnuItemExit.onClick = [&f] { endProgram(f); };
  f.Picture1.onClick = [&f] { endProgram(f); };
}

void endProgram(FTP& f) {
  endRun(f);
  if (!saveFilters(f)) {
    f.host.messageBox("The filter list could not be saved to " + filterFilePath(f).string() + ".",
                      platform::MessageButtons::Ok);
  }
  try {
    f.Inet1->Execute("", "QUIT");
  } catch (const std::exception&) {
    // Leaving: nothing to report.
  }
  f.host.endProgram();
}

void closeWindow(FTP& f) {
  // The program ends once the handler under way returns; it must not go on
  // to the next file meanwhile.
  endRun(f);
  f.host.endProgram();
}

}  // namespace transfer

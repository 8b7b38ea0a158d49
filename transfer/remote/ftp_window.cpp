// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/remote/ftp_window.h"

namespace transfer {

using platform::ControlKind;

// Controls are non-copyable, so each is built in place; FTP gives them their
// places, captions and fonts.
FtpWindow::FtpWindow(platform::Host& host_, Inet& inet, std::filesystem::path dataFolder_,
                     std::filesystem::path defaultFolder_)
    : host(host_),
      dataFolder(std::move(dataFolder_)),
      defaultFolder(defaultFolder_.string()),
      Label1(ControlKind::Label, "Label1", {}),
      txtURLbox(ControlKind::TextBox, "txtURLbox", {}),
      Command6(ControlKind::CommandButton, "Command6", {}),
      Label2(ControlKind::Label, "Label2", {}),
      Text1(ControlKind::TextBox, "Text1", {}),
      Command7(ControlKind::CommandButton, "Command7", {}),
      List1(ControlKind::ListBox, "List1", {}),
      Command8(ControlKind::CommandButton, "Command8", {}),
      Command4(ControlKind::CommandButton, "Command4", {}),
      Command1(ControlKind::CommandButton, "Command1", {}),
      Command3(ControlKind::CommandButton, "Command3", {}),
      Command2(ControlKind::CommandButton, "Command2", {}),
      Combo1(ControlKind::ComboBox, "Combo1", {}),
      Picture1(ControlKind::Image, "Picture1", {}),
      ProgressBar1(ControlKind::ProgressBar, "ProgressBar1", {}),
      List2(ControlKind::ListBox, "List2", {}),
      Text2(ControlKind::TextBox, "Text2", {}),
      Text3(ControlKind::TextBox, "Text3", {}),
      txtNote(ControlKind::TextBox, "txtNote", {}),
      Timer1(ControlKind::Timer, "Timer1", {}),
      Inet1(&inet),
      mnuItemFile("mnuItemFile", "&File"),
      mnuItemChangeLocal("mnuItemChangeLocal", "Change Local Directory"),
      mnuItemUserSettings("mnuItemUserSettings", "Change User Settings"),
      mnuItemSwitchRemote("mnuItemSwitchRemote", "Switch Remote Server Type"),
      mnuItemSaveList("mnuItemSaveList", "Save Directory List to File"),
      mnuItemExit("mnuItemExit", "Exit"),
      mnuItemHelp("mnuItemHelp", "&Help"),
      mnuItemUserManual("mnuItemUserManual", "User Manual"),
      mnuItemAbout("mnuItemAbout", "About Quillmere") {}

}  // namespace transfer

// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/local/change_folder.h"

#include "platform/paths.h"
#include "transfer/local/ftp.h"
#include "transfer/remote/connection_settings.h"

namespace transfer {
namespace {

using platform::ControlKind;
constexpr platform::FontSpec kButtonFont{9, false, false};

}  // namespace

ChangeFolder::ChangeFolder(FTP& owner_)
    : owner(owner_),
      Drive1(ControlKind::DriveList, "Drive1", {360, 240, 2295, 345}),
      Dir1(ControlKind::FolderTree, "Dir1", {360, 840, 3255, 3405}),
      Command1(ControlKind::CommandButton, "Command1", {600, 4560, 1215, 495}),
      Command2(ControlKind::CommandButton, "Command2", {2160, 4560, 1215, 495}) {
  caption = "Change Folder Setting";
  clientWidth = 4020;
  clientHeight = 5340;
  backColor = {212, 208, 200};
  Command1.caption = "Select";
  Command2.caption = "Cancel";
  Drive1.accessibleName = "Drive";
  Dir1.accessibleName = "Folders";
  defaultButton = &Command1;
  cancelButton = &Command2;
  Command1.font = kButtonFont;
  Command2.font = kButtonFont;
  controls = {&Drive1, &Dir1, &Command1, &Command2};
  Drive1.onChange = [this] { drive1Change(*this); };
  Command1.onClick = [this] { changeFolderSelectClick(*this); };
  Command2.onClick = [this] { changeFolderCancelClick(*this); };
}

void showChangeFolder(ChangeFolder& d) {
  changeFolderLoad(d);
  d.owner.host.showModal(d);
}

void changeFolderLoad(ChangeFolder& d) {
  // Only the drive list's own change picks a new drive; filling it here does not.
  const auto onChange = std::move(d.Drive1.onChange);
  d.Drive1.onChange = nullptr;
  d.Drive1.clearItems();
  for (const std::string& volume : platform::mountedVolumes())
    d.Drive1.addItem(volume);
  if (d.owner.inFtpMode()) {
    d.Dir1.setText(d.owner.Text1.text());
    d.Drive1.visible = false;
  } else if (d.owner.inNetworkMode()) {
    d.Dir1.setText(d.owner.settings.networkFolder);
    d.Drive1.setText(platform::volumeOf(d.owner.settings.networkFolder, d.Drive1.items));
    d.Drive1.visible = true;
  }
  d.Drive1.onChange = onChange;
}

void drive1Change(ChangeFolder& d) {
  d.Dir1.setText(d.Drive1.text());
}

void changeFolderSelectClick(ChangeFolder& d) {
  if (d.owner.inFtpMode()) {
    d.owner.Text1.setText(d.Dir1.text());
  } else if (d.owner.inNetworkMode()) {
    d.owner.settings.networkFolder = d.Dir1.text();
    d.owner.txtURLbox.setText(d.owner.settings.networkFolder);
  }
  saveSettingsOrTell(d.owner);
  d.unloadRequested = true;
}

void changeFolderCancelClick(ChangeFolder& d) {
  d.unloadRequested = true;
}

}  // namespace transfer

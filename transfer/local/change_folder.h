// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The folder dialog: chooses the local folder, or in network-drive mode the
// network folder that serves as the remote side.

#include "platform/control.h"

namespace transfer {

class FTP;

class ChangeFolder : public platform::Form {
 public:
  explicit ChangeFolder(FTP& owner);

  FTP& owner;
  platform::Control Drive1, Dir1, Command1, Command2;
};

// Opens the dialog modally and returns when it has closed.
void showChangeFolder(ChangeFolder& d);

// Its events.
void changeFolderLoad(ChangeFolder& d);
void drive1Change(ChangeFolder& d);
void changeFolderSelectClick(ChangeFolder& d);
void changeFolderCancelClick(ChangeFolder& d);

}  // namespace transfer

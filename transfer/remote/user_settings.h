// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The User Settings dialog: user name, password and port.

#include "platform/control.h"

namespace transfer {

class FtpWindow;

class UserSettings : public platform::Form {
 public:
  explicit UserSettings(FtpWindow& owner);

  FtpWindow& owner;
  platform::Control Label1, Text1, Label2, Text2, Check1, Label3, Text3, Command1, Picture1;
};

// Opens the dialog modally and returns when it has closed.
void showUserSettings(UserSettings& d);

void userSettingsLoad(UserSettings& d);
void check1Click(UserSettings& d);
// "Save": stores the three settings and closes; a port that is not a whole
// number from 1 to 65535 is refused with a message.
void userSettingsSaveClick(UserSettings& d);
void userSettingsPictureClick(UserSettings& d);

}  // namespace transfer

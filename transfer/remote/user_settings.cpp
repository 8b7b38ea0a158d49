// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/remote/user_settings.h"

#include <cmath>

#include "platform/text_number.h"
#include "transfer/remote/connection_settings.h"
#include "transfer/remote/ftp_window.h"

namespace transfer {
namespace {

using platform::Alignment;
using platform::ControlKind;
using platform::FontSpec;
using platform::Rgb;

constexpr Rgb kBlue{0, 0, 160};
constexpr Rgb kWhite{255, 255, 255};
constexpr FontSpec kFont{9.75, false, false};

}  // namespace

UserSettings::UserSettings(FtpWindow& owner_)
    : owner(owner_),
      Label1(ControlKind::Label, "Label1", {240, 240, 2295, 255}),
      Text1(ControlKind::TextBox, "Text1", {240, 480, 3375, 285}),
      Label2(ControlKind::Label, "Label2", {240, 900, 2295, 255}),
      Text2(ControlKind::TextBox, "Text2", {240, 1140, 3375, 285}),
      Check1(ControlKind::CheckBox, "Check1", {240, 1560, 2295, 255}),
      Label3(ControlKind::Label, "Label3", {240, 1980, 1095, 255}),
      Text3(ControlKind::TextBox, "Text3", {240, 2220, 1095, 285}),
      Command1(ControlKind::CommandButton, "Command1", {240, 2880, 1215, 495}),
      Picture1(ControlKind::Image, "Picture1", {2880, 2640, 735, 735}) {
  caption = "User Settings";
  clientWidth = 3855;
  clientHeight = 3615;
  backColor = kBlue;
  Label1.caption = "User Name";
  Label2.caption = "Password";
  Check1.caption = "Anonymous User";
  Label3.caption = "Port";
  Command1.caption = "Save";
  for (Control* c : {&Label1, &Label2, &Check1, &Label3}) {
    c->backColor = kBlue;
    c->foreColor = kWhite;
    c->font = kFont;
  }
  for (Control* c : {&Text1, &Text2, &Text3, &Command1})
    c->font = kFont;
  Text2.masked = true;
  Text1.labelledBy = &Label1;
  Text2.labelledBy = &Label2;
  Text3.labelledBy = &Label3;
  // The picture closes without saving.
  Picture1.accessibleName = "Close without saving";
  defaultButton = &Command1;
  cancelButton = &Picture1;
  Text3.alignment = Alignment::Right;
  Text3.setText("21");
  controls = {&Label1, &Text1, &Label2, &Text2, &Check1, &Label3, &Text3, &Command1, &Picture1};
  Check1.onClick = [this] { check1Click(*this); };
  Command1.onClick = [this] { userSettingsSaveClick(*this); };
  Picture1.onClick = [this] { userSettingsPictureClick(*this); };
}

void showUserSettings(UserSettings& d) {
  userSettingsLoad(d);
  d.owner.host.showModal(d);
}

void userSettingsLoad(UserSettings& d) {
  d.Check1.setValue(false);
  d.Text1.setText(d.owner.settings.userName);
  d.Text2.setText(d.owner.settings.password);
  d.Text3.setText(d.owner.settings.port == 0 ? "" : platform::plainForm(d.owner.settings.port));
}

void check1Click(UserSettings& d) {
  if (d.Check1.value()) {
    d.Text1.setText("anonymous");
    d.Text2.setText("");
  } else {
    d.Text1.setText(d.owner.settings.userName);
    d.Text2.setText(d.owner.settings.password);
  }
}

void userSettingsSaveClick(UserSettings& d) {
  const double port = platform::leadingNumber(d.Text3.text());
  if (port < 1 || port > 65535 || std::floor(port) != port) {
    d.owner.host.messageBox("The port must be a whole number from 1 to 65535.", platform::MessageButtons::Ok);
    return;
  }
  d.owner.settings.userName = d.Text1.text();
  d.owner.settings.password = d.Text2.text();
  d.owner.settings.port = port;
  saveSettingsOrTell(d.owner);
  d.unloadRequested = true;
}

void userSettingsPictureClick(UserSettings& d) {
  d.unloadRequested = true;
}

}  // namespace transfer

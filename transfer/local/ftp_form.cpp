// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/local/ftp.h"

#include "shared/help/help_menu.h"
#include "transfer/remote/progress_text.h"
#include "transfer/remote/window_title.h"

namespace transfer {
namespace {

using platform::Alignment;
using platform::FontSpec;
using platform::Rgb;

constexpr Rgb kYellow{255, 255, 0};
constexpr FontSpec kButtonFont{9, false, false};
constexpr FontSpec kBoxFont{9.75, false, false};

}  // namespace

FTP::FTP(platform::Host& host_, Inet& inet, const std::filesystem::path& assetFolder,
         std::filesystem::path dataFolder_, std::filesystem::path defaultFolder_)
    : FtpWindow(host_, inet, std::move(dataFolder_), std::move(defaultFolder_)) {
  const std::pair<Control*, platform::Twips> places[] = {
      {&Label1, {240, 240, 1455, 255}},        {&txtURLbox, {1800, 240, 2775, 285}},
      {&Command6, {4800, 240, 1095, 285}},     {&Label2, {240, 720, 1455, 255}},
      {&Text1, {1800, 720, 2775, 285}},        {&Command7, {4800, 745, 1095, 255}},
      {&List1, {240, 1200, 3135, 4785}},       {&Command8, {3720, 1680, 2175, 375}},
      {&Command4, {3720, 2280, 2175, 375}},    {&Command1, {4080, 3000, 1815, 375}},
      {&Command3, {4080, 3600, 1815, 375}},    {&Command2, {1200, 6120, 1095, 375}},
      {&Combo1, {2400, 6120, 975, 345}},       {&Picture1, {4920, 6000, 1020, 1020}},
      {&ProgressBar1, {240, 6720, 3135, 255}},
  };
  for (auto [control, place] : places)
    control->geometry = place;
  caption = kDesignTitle;
  clientWidth = 6195;
  clientHeight = 7170;
  height = clientHeight + kCaptionAndMenuTwips;
  backColor = kYellow;
  icon = (assetFolder / "quillmere.ICO").string();

  const std::pair<Control*, const char*> captions[] = {
      {&Label1, kFtpMode},
      {&Command6, "Change"},
      {&Label2, "Local Directory"},
      {&Command7, "Change"},
      {&Command8, "Local Directory of Files"},
      {&Command4, "Set Remote Directory"},
      {&Command1, "Download Files"},
      {&Command3, "Upload Files"},
      {&Command2, "Apply Filter"},
  };
  for (auto [control, text] : captions)
    control->caption = text;
  for (Control* label : {&Label1, &Label2}) {
    label->backColor = kYellow;
    label->font = kBoxFont;
    label->alignment = Alignment::Right;
  }
  for (Control* button : {&Command6, &Command7, &Command8, &Command4, &Command1, &Command3, &Command2}) {
    button->font = kButtonFont;
  }
  for (Control* box : {&txtURLbox, &Text1, &Combo1})
    box->font = kBoxFont;
  List1.font = kButtonFont;
  List1.multiSelect = true;
  Combo1.sorted = true;
  Combo1.setText("All");
  Picture1.picture = (assetFolder / "quillmere.BMP").string();
  ProgressBar1.visible = false;
  // For screen readers: the two "Change" buttons told apart, the boxes named by their labels.
  txtURLbox.labelledBy = &Label1;
  Text1.labelledBy = &Label2;
  Command6.accessibleName = "Change address";
  Command7.accessibleName = "Change local folder";
  List1.accessibleName = "Files";
  Combo1.accessibleName = "File type filter";
  Picture1.accessibleName = "Quillmere";
  ProgressBar1.accessibleName = "Transfer progress";
  ProgressBar1.toolTip = kEscStops;
  Timer1.enabled = false;
  for (Control* hidden : {&List2, &Text2, &Text3, &txtNote})
    hidden->visible = false;

  controls = {&Label1,   &txtURLbox, &Command6, &Label2,   &Text1,  &Command7, &List1,        &Command8,
              &Command4, &Command1,  &Command3, &Command2, &Combo1, &Picture1, &ProgressBar1, &Timer1};

  mnuItemUserManual.shortcut = "Ctrl+H";
  mnuItemFile.items = {&mnuItemChangeLocal, &mnuItemUserSettings, &mnuItemSwitchRemote, &mnuItemSaveList,
                       &mnuItemExit};
  mnuItemHelp.items = {&mnuItemUserManual, &mnuItemAbout};
  menus = {&mnuItemFile, &mnuItemHelp};

  help::connectHelpEvents(mnuItemUserManual, mnuItemAbout, host, help::quillmereHelp(assetFolder));
}

}  // namespace transfer

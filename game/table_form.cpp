// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/table.h"

#include "game/table_events.h"

namespace game {
namespace {

using platform::Alignment;
using platform::ControlKind;
using platform::FontSpec;
using platform::Rgb;
using platform::Twips;

constexpr Rgb kTableGreen{0, 128, 0};
constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kRed{255, 0, 0};

constexpr int kSlotWidth = 1085;
constexpr int kSecondRowSlotWidth = 1080;
constexpr int kSlotHeight = 1485;
constexpr int kDealerRowTop = 120;
constexpr int kFirstHandRowTop = 4320;
constexpr int kSecondHandRowTop = 6720;

// Slot k of a row starts at 120 + 720 (k - 1); neighbours overlap.
constexpr int slotLeft(int k) {
  return 120 + 720 * (k - 1);
}

}  // namespace

// Controls are non-copyable, so each member is built in place from its
// layout; the constructor body then sets the rest of their look.
Table::Table(platform::Host& host_, platform::RandomSource& random_, std::filesystem::path assetFolder_,
             std::filesystem::path dataFolder_)
    : host(host_),
      random(random_),
      assetFolder(std::move(assetFolder_)),
      dataFolder(std::move(dataFolder_)),
      Command1(ControlKind::CommandButton, "Command1", {5760, 2400, 975, 615}),
      Command2(ControlKind::CommandButton, "Command2", {3240, 3840, 855, 375}),
      Command3(ControlKind::CommandButton, "Command3", {6840, 1920, 735, 375}),
      Command4(ControlKind::CommandButton, "Command4", {6840, 3480, 735, 375}),
      Command5(ControlKind::CommandButton, "Command5", {3480, 6120, 375, 375}),
      Command6(ControlKind::CommandButton, "Command6", {3960, 6120, 375, 375}),
      Command7(ControlKind::CommandButton, "Command7", {4440, 6120, 495, 375}),
      Command8(ControlKind::CommandButton, "Command8", {5040, 6120, 495, 375}),
      Command9(ControlKind::CommandButton, "Command9", {5640, 6120, 615, 375}),
      Command10(ControlKind::CommandButton, "Command10", {6360, 6120, 615, 375}),
      Command11(ControlKind::CommandButton, "Command11", {6840, 2400, 735, 495}),
      Command12(ControlKind::CommandButton, "Command12", {840, 1800, 1095, 375}),
      Command13(ControlKind::CommandButton, "Command13", {5640, 3240, 1095, 375}),
      Command14(ControlKind::CommandButton, "Command14", {6840, 3000, 735, 375}),
      Text1(ControlKind::TextBox, "Text1", {960, 6120, 855, 285}),
      Option1(ControlKind::OptionButton, "Option1", {2160, 6000, 255, 255}),
      Option2(ControlKind::OptionButton, "Option2", {2160, 6360, 255, 255}),
      Label1(ControlKind::Label, "Label1", {120, 2640, 1215, 255}),
      Label2(ControlKind::Label, "Label2", {120, 3000, 1575, 255}),
      Label3(ControlKind::Label, "Label3", {120, 3360, 1935, 255}),
      Label4(ControlKind::Label, "Label4", {1440, 2640, 975, 255}),
      Label5(ControlKind::Label, "Label5", {1800, 3000, 1575, 255}),
      Label6(ControlKind::Label, "Label6", {2160, 3360, 1215, 255}),
      Label7(ControlKind::Label, "Label7", {4080, 3000, 1215, 255}),
      Label8(ControlKind::Label, "Label8", {4080, 3360, 1215, 255}),
      Label9(ControlKind::Label, "Label9", {3480, 3000, 495, 255}),
      Label10(ControlKind::Label, "Label10", {3480, 3360, 495, 255}),
      Label11(ControlKind::Label, "Label11", {5760, 3960, 975, 255}),
      Label12(ControlKind::Label, "Label12", {6840, 3960, 735, 255}),
      Label13(ControlKind::Label, "Label13", {720, 1800, 6015, 375}),
      Label14(ControlKind::Label, "Label14", {960, 3840, 2055, 255}),
      Label15(ControlKind::Label, "Label15", {240, 3840, 615, 255}),
      Label16(ControlKind::Label, "Label16", {240, 6120, 615, 255}),
      Label17(ControlKind::Label, "Label17", {2520, 6000, 375, 255}),
      Label18(ControlKind::Label, "Label18", {2520, 6360, 735, 255}),
      Label19(ControlKind::Label, "Label19", {7080, 240, 495, 495}),
      Label20(ControlKind::Label, "Label20", {7080, 4800, 495, 495}),
      Label21(ControlKind::Label, "Label21", {7080, 7200, 495, 495}),
      Label22(ControlKind::Label, "Label22", {7080, 960, 495, 495}),
      Label23(ControlKind::Label, "Label23", {720, 2280, 6015, 255}),
      Shape1(ControlKind::Shape, "Shape1", {7080, 4920, 375, 375}),
      Shape2(ControlKind::Shape, "Shape2", {7080, 7200, 375, 375}),
      Line1(ControlKind::Line, "Line1", {120, 3320, 5160, 15}),
      mnuItemFile("mnuItemFile", "&File"),
      mnuItemAddBalance("mnuItemAddBalance", "Add to Bank Balance"),
      mnuItemPayDebt("mnuItemPayDebt", "Pay Debt"),
      mnuItemExit("mnuItemExit", "Exit"),
      mnuItemHelp("mnuItemHelp", "&Help"),
      mnuItemManual("mnuItemManual", "Manual"),
      mnuItemHouseRules("mnuItemHouseRules", "House Rules"),
      mnuItemStatistics("mnuItemStatistics", "Statistics"),
      mnuItemAbout("mnuItemAbout", "About Tavorin") {
  caption = "Tavorin";
  clientWidth = 7665;
  clientHeight = 8280;
  height = clientHeight + kCaptionAndMenuTwips;
  backColor = kTableGreen;

  const std::pair<Control*, const char*> captions[] = {
      {&Command1, "Deal"},
      {&Command2, "Done"},
      {&Command3, "Hit"},
      {&Command4, "Stand"},
      {&Command5, "1"},
      {&Command6, "5"},
      {&Command7, "10"},
      {&Command8, "50"},
      {&Command9, "100"},
      {&Command10, "500"},
      {&Command11, "Double Down"},
      {&Command12, "Insurance"},
      {&Command13, "Surrender"},
      {&Command14, "Split"},
      {&Label1, "Dealer Has"},
      {&Label2, "First Hand Has"},
      {&Label3, "Second Hand Has"},
      {&Label4, "0"},
      {&Label5, "0"},
      {&Label6, "0"},
      {&Label7, "0"},
      {&Label8, "0"},
      {&Label9, "Bet:"},
      {&Label10, "Bet:"},
      {&Label11, "Label11"},
      {&Label12, "Label12"},
      {&Label13, "You Lost"},
      {&Label14, "0"},
      {&Label15, "Bank"},
      {&Label16, "Bet"},
      {&Label17, "Add"},
      {&Label18, "Subtract"},
      {&Label19, "$"},
      {&Label20, "$"},
      {&Label21, "$"},
      {&Label22, "$"},
      {&Label23, "Insurance"},
  };
  for (auto [control, text] : captions)
    control->caption = text;

  for (Control* label : {&Label1,  &Label2,  &Label3,  &Label4,  &Label5,  &Label6,  &Label7,  &Label8,
                         &Label9,  &Label10, &Label11, &Label12, &Label13, &Label14, &Label15, &Label16,
                         &Label17, &Label18, &Label19, &Label20, &Label21, &Label22, &Label23}) {
    label->backColor = kTableGreen;
    label->foreColor = kYellow;
    label->font = FontSpec{12, false, false};
  }
  Label13.font = FontSpec{15.75, true, false};
  Label13.alignment = Alignment::Center;
  Label23.font = FontSpec{9.75, false, true};
  Label23.alignment = Alignment::Center;
  for (Control* bold : {&Label14, &Label15, &Label16})
    bold->font.bold = true;
  Label17.font.points = 8.25;
  Label18.font.points = 8.25;
  for (Control* sign : {&Label19, &Label20, &Label21, &Label22}) {
    sign->font.points = 24;
    sign->alignment = Alignment::Center;
  }

  for (Control* option : {&Option1, &Option2}) {
    option->backColor = kTableGreen;
    optionGroup_.push_back(option);
    option->joinGroup(&optionGroup_);
  }
  Text1.setText("0");
  // For screen readers; the card slots are named as cards are shown.
  Text1.labelledBy = &Label16;
  Option1.accessibleName = "Add";
  Option2.accessibleName = "Subtract";
  for (Control* chip : chips()) {
    chip->accessibleName = chip->caption + " chip";
    chip->accessibleDescription = "adds to or subtracts from the bet, as Add or Subtract is chosen";
  }

  for (Control* marker : {&Shape1, &Shape2})
    marker->backColor = kRed;
  Line1.x1 = 120;
  Line1.y1 = 3320;
  Line1.x2 = 5280;
  Line1.y2 = 3320;

  for (int n = 1; n <= 27; ++n) {
    const int k = (n - 1) % 9 + 1;
    const int top = n <= 9 ? kFirstHandRowTop : n <= 18 ? kDealerRowTop : kSecondHandRowTop;
    const int width = n <= 18 ? kSlotWidth : kSecondRowSlotWidth;
    images_[static_cast<std::size_t>(n)] = std::make_unique<Control>(
        ControlKind::Image, "Image" + std::to_string(n), Twips{slotLeft(k), top, width, kSlotHeight});
  }

  // Drawing order: later slots of a row lie on the earlier ones, so each card
  // shows its corner under the next; labels and buttons lie on top.
  for (int n = 1; n <= 27; ++n)
    controls.push_back(&Image(n));
  for (Control* c : {&Line1, &Shape1, &Shape2})
    controls.push_back(c);
  for (Control* c : {&Label1,  &Label2,  &Label3,  &Label4,  &Label5,  &Label6,  &Label7,  &Label8,
                     &Label9,  &Label10, &Label11, &Label12, &Label13, &Label14, &Label15, &Label16,
                     &Label17, &Label18, &Label19, &Label20, &Label21, &Label22, &Label23}) {
    controls.push_back(c);
  }
  for (Control* c :
       {&Text1, &Option1, &Option2, &Command1, &Command2, &Command3, &Command4, &Command5, &Command6,
        &Command7, &Command8, &Command9, &Command10, &Command11, &Command12, &Command13, &Command14}) {
    controls.push_back(c);
  }

  mnuItemAddBalance.enabled = false;
  mnuItemFile.items = {&mnuItemAddBalance, &mnuItemPayDebt, &mnuItemExit};
  mnuItemHelp.items = {&mnuItemManual, &mnuItemHouseRules, &mnuItemStatistics, &mnuItemAbout};
  menus = {&mnuItemFile, &mnuItemHelp};

  connectTableEvents(*this);
}

}  // namespace game

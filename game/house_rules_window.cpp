// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/house_rules_window.h"

#include "game/house_rules.h"

namespace game {
namespace {

constexpr platform::Rgb kTableGreen{0, 128, 0};
constexpr int kWidth = 12000;
constexpr int kTextHeight = 8400;

std::string paragraphs(const std::vector<std::string>& rules) {
  std::string text;
  for (const std::string& rule : rules)
    text += (text.empty() ? "" : "\n\n") + rule;
  return text;
}

}  // namespace

HouseRulesWindow::HouseRulesWindow()
    : Label1(platform::ControlKind::Label, "Label1", {240, 180, kWidth - 480, kTextHeight}),
      Command1(platform::ControlKind::CommandButton, "Command1",
               {(kWidth - 1575) / 2, kTextHeight + 300, 1575, 375}) {
  caption = "House Rules";
  clientWidth = kWidth;
  clientHeight = kTextHeight + 900;
  height = clientHeight + kCaptionAndMenuTwips;
  backColor = kTableGreen;
  Label1.caption = paragraphs(houseRules());
  Label1.font = platform::FontSpec{9.75, false, false};
  Label1.backColor = kTableGreen;
  Label1.foreColor = platform::Rgb{255, 255, 255};
  Label1.accessibleName = "House rules";
  Command1.caption = "Close";
  Command1.onClick = [this] { unloadRequested = true; };
  defaultButton = &Command1;
  cancelButton = &Command1;
  controls = {&Label1, &Command1};
}

void mnuItemHouseRulesClick(Table& t) {
  // Made afresh at every showing, so it always states the rules as played.
  HouseRulesWindow window;
  t.host.showModal(window);
}

}  // namespace game

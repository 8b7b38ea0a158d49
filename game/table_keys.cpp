// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/table_keys.h"

#include <array>

#include "platform/text_number.h"

namespace game {
namespace {

struct KeyBinding {
  std::string_view key;
  Control Table::*button;
};

// Enter confirms an open entry before it deals: while Done is shown, Deal
// is off anyway, and Done is the one the player means.
constexpr std::array kBindings{
    KeyBinding{"H", &Table::Command3},     KeyBinding{"S", &Table::Command4},
    KeyBinding{"D", &Table::Command11},    KeyBinding{"P", &Table::Command14},
    KeyBinding{"I", &Table::Command12},    KeyBinding{"R", &Table::Command13},
    KeyBinding{"Enter", &Table::Command2}, KeyBinding{"Enter", &Table::Command1},
};

constexpr std::string_view kLastBetKey = "B";

bool clickable(const Control& c) {
  return c.onClick && c.enabled && c.visible;
}

bool isLetter(std::string_view key) {
  return key.size() == 1 && key[0] >= 'A' && key[0] <= 'Z';
}

}  // namespace

std::string_view keyOf(const Table& t, const Control& control) {
  for (const KeyBinding& binding : kBindings)
    if (&(t.*binding.button) == &control) return binding.key;
  return {};
}

bool tableKeyPress(Table& t, std::string_view key) {
  if (key == kLastBetKey) {
    lastBetAgain(t);
    return true;
  }
  for (const KeyBinding& binding : kBindings) {
    if (binding.key != key) continue;
    Control& button = t.*binding.button;
    if (!clickable(button)) continue;
    button.click();
    return true;
  }
  return isLetter(key) || key == "Enter";
}

void lastBetAgain(Table& t) {
  if (!clickable(t.Command1) || t.entry.lastDealBet == 0) return;
  // Through the box, as if typed, so the bet follows the box's own rule.
  t.Text1.setText(platform::plainForm(t.entry.lastDealBet));
}

void connectTableKeys(Table& t) {
  for (const KeyBinding& binding : kBindings) {
    Control& button = t.*binding.button;
    button.toolTip = button.caption + " (" + std::string(binding.key) + ")";
  }
  t.Text1.toolTip = "The amount; B puts the last deal's bet back";
  t.onKey = [&t](const std::string& key) { return tableKeyPress(t, key); };
}

}  // namespace game

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Help > House Rules: a small window with every rule of the table in plain
// words, and a Close button.

#include "game/table.h"

namespace game {

class HouseRulesWindow : public platform::Form {
 public:
  HouseRulesWindow();

  Control Label1;    // the rules, one paragraph each
  Control Command1;  // "Close"
};

// The menu item: the window, modal; returns when it has closed.
void mnuItemHouseRulesClick(Table& t);

}  // namespace game

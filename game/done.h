// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "game/table.h"

namespace game {

// Click of Command2, "Done": confirms the amount of the open entry ("Debt",
// "Pay", "D-D" or "Ins") by its rule; a refused amount changes nothing.
void command2Click(Table& t);

// Pauses the deal for a stake the player enters ("D-D" or "Ins"): the bet
// is kept aside, the chips come back and only Done goes on.
void openStakeEntry(Table& t, std::string_view mode);

}  // namespace game

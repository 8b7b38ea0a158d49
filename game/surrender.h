// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/table.h"

namespace game {

// Click of Command13, "Surrender": gives up the hand in play for half its stake.
void command13Click(Table& t);

}  // namespace game

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/table.h"

namespace game {

// Click of Command3, "Hit".
void command3Click(Table& t);

// Click of Command4, "Stand".
void command4Click(Table& t);

// Hands play from the first to the second hand of a split. Touches no button:
// each caller enables what it needs.
void moveToSecondHand(Table& t);

}  // namespace game

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/table.h"

namespace game {

// The Load handler: runs once, before the window is first shown.
void tableLoad(Table& t);

void initializeGame(Table& t);

// Clears the table for the next deal; the bank, the bet and the deck carry over.
void resetTable(Table& t);

// Hit, Stand, Double Down, Surrender and Split off, Insurance hidden: no
// player action is open.
void disablePlayerActions(Table& t);

}  // namespace game

#pragma once

#include "game/table.h"

namespace game {

// The Load handler: runs once, before the window is first shown.
void tableLoad(Table& t);

void initializeGame(Table& t);

// Clears the table for the next deal; the bank, the bet and the deck carry over.
void resetTable(Table& t);

}  // namespace game

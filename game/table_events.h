#pragma once

#include "game/table.h"

namespace game {

// Connects the table's controls and menu items to their handlers.
void connectTableEvents(Table& t);

// Click of File > Exit.
void mnuItemExitClick(Table& t);

}  // namespace game

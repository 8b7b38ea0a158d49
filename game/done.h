#pragma once

#include "game/table.h"

namespace game {

// Click of Command2, "Done": confirms the amount of the open entry ("Debt",
// "Pay", "D-D" or "Ins") by its rule; a refused amount changes nothing.
void command2Click(Table& t);

}  // namespace game

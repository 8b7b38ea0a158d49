#pragma once

#include "game/table.h"

namespace game {

// Click of Command1, "Deal".
void command1Click(Table& t);

}  // namespace game

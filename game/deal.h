// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/table.h"

namespace game {

// Click of Command1, "Deal".
void command1Click(Table& t);

}  // namespace game

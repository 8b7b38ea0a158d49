// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/table.h"

namespace game {

// Click of Command14, "Split": turns a pair into two hands of two cards each,
// the second with a stake of the bet, played one after the other.
void command14Click(Table& t);

}  // namespace game

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/table.h"

namespace game {

// The dealer draws to 17 or more, then the deal is settled.
void dealerPlay(Table& t);

}  // namespace game

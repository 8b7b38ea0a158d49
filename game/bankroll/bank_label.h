// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/table.h"

namespace game {

// Label14 shows the bank in its plain form; every change of the bank the
// player is to see goes through here.
void showBank(Table& t);

}  // namespace game

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/table.h"

namespace game {

// Label14 shows the bank in its plain form, and its tooltip the bank and the
// debt; every change of the bank or the debt the player is to see goes
// through here.
void showBank(Table& t);

}  // namespace game

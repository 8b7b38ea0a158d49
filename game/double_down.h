// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/table.h"

namespace game {

// Click of Command11, "Double Down": opens the "D-D" entry for the raised stake.
void command11Click(Table& t);

// Whether the "D-D" entry takes `newStake` for the hand in play: at least its
// stake, at most twice it, and covered by the bank beside the other stakes.
bool acceptsDoubledStake(const Table& t, double newStake);

// Done in the "D-D" entry: a stake the rule above takes buys exactly one more
// card, after which the hand stands; any other amount changes nothing.
void completeDoubleDown(Table& t);

}  // namespace game

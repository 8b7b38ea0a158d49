// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/table.h"

namespace game {

// Click of Command12, "Insurance": opens the "Ins" entry with half the stake.
void command12Click(Table& t);

// The largest insurance stake: half the hand's stake, rounded down.
double insuranceLimit(const Table& t);

// Done in the "Ins" entry: takes a stake from 0 up to the limit that the bank
// covers beside the hand's stake, and puts the bet back; false refuses any
// other amount and changes nothing.
bool completeInsurance(Table& t);

}  // namespace game

#pragma once

#include "game/table.h"

namespace game {

// Click of Command11, "Double Down": opens the "D-D" entry for the raised stake.
void command11Click(Table& t);

// Done in the "D-D" entry: up to twice the bet, within the bank, buys exactly
// one more card, after which the hand stands.
void completeDoubleDown(Table& t);

}  // namespace game

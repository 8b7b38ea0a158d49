#pragma once

#include "game/table.h"

namespace game {

// Click of Command12, "Insurance": opens the "Ins" entry with half the bet.
void command12Click(Table& t);

// Done in the "Ins" entry: takes a stake of up to half the bet and puts the
// bet back; false refuses a larger stake and changes nothing.
bool completeInsurance(Table& t);

}  // namespace game

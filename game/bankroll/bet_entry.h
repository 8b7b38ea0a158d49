// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/table.h"

namespace game {

// Adds the chip's value to the bet in Add mode, takes it away otherwise; a
// bet never drops below 0 by a chip.
void applyChip(Table& t, double value);

// Click of Label16: clears the amount, whatever it is entering.
void label16Click(Table& t);
// Clicks of Label17 "Add" and Label18 "Subtract", the captions of the options.
void label17Click(Table& t);
void label18Click(Table& t);

// Change of Text1: the box always shows the number the bet holds.
void text1Change(Table& t);

}  // namespace game

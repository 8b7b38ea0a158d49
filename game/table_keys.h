// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The table played from the keyboard. Each letter stands for a button and
// clicks it, so a key does exactly what that click does and nothing while
// the button is disabled or hidden. The table takes every letter, so none
// reaches the bet box; digits, the point and the minus sign still do.

#include <string>
#include <string_view>

#include "game/table.h"

namespace game {

// The key a control answers to ("H", "Enter"); empty for none.
std::string_view keyOf(const Table& t, const Control& control);

// A key pressed on the table, named as Form::onKey names it. True when the
// table took it, which it does for every letter and Enter.
bool tableKeyPress(Table& t, std::string_view key);

// B: puts the bet of the last deal back into the bet box, while a new deal
// can be dealt. Nothing before the first deal of this run; a bet the bank
// no longer covers is put back all the same, and Deal refuses it as it
// refuses any such bet.
void lastBetAgain(Table& t);

// Names each button's key in its tooltip and gives the table its keys.
void connectTableKeys(Table& t);

}  // namespace game

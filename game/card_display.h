// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "game/table.h"

namespace game {

// The card code with court ranks written by letter: "11C" -> "JC",
// "12H" -> "QH", "13S" -> "KS"; every other code unchanged.
std::string displayCode(std::string_view code);

// The picture file of a card's face in the installation folder.
std::string cardImageFile(const Table& t, std::string_view code);

// Shows the card's face, and names it for a screen reader, in the slot of
// the selected hand's current card count: selector "User" is the first hand,
// "User2" the second, "Dealer" the dealer. A count outside 1..9, or any other
// selector, shows nothing.
void showCard(Table& t, std::string_view code, std::string_view selector);

}  // namespace game

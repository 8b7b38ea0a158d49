// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "game/table.h"

namespace game {

struct DrawnCard {
  std::string code;
  double rank = 0;
};

// Fills the deck store with the 52 cards in a new random order and starts
// drawing from its top again.
void shuffleDeck(Table& t);

// Takes the next card, reshuffling first once 51 cards of this deck are out.
DrawnCard drawCard(Table& t);

// The code of the card drawn last, without drawing.
std::string lastDrawnCode(const Table& t);

}  // namespace game

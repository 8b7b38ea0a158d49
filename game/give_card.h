// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/deck.h"
#include "game/table.h"

namespace game {

// Adds the card to the hand as its next card, counts the hand again and
// shows the card in the hand's next slot.
void giveToFirstHand(Table& t, const DrawnCard& card);
void giveToSecondHand(Table& t, const DrawnCard& card);

}  // namespace game

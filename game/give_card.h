// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/deck.h"
#include "game/hand_totals.h"
#include "game/table.h"

namespace game {

// Adds the card to the hand as its next card, counts the hand again and
// shows the card in the hand's next slot.
void giveTo(Table& t, PlayerHand hand, const DrawnCard& card);
inline void giveToFirstHand(Table& t, const DrawnCard& card) {
  giveTo(t, firstHand(t), card);
}
inline void giveToSecondHand(Table& t, const DrawnCard& card) {
  giveTo(t, secondHand(t), card);
}

}  // namespace game

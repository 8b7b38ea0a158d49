// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/give_card.h"

#include "game/card_display.h"
#include "game/hand_totals.h"

namespace game {

void giveTo(Table& t, PlayerHand hand, const DrawnCard& card) {
  hand.cardCount += 1;
  hand.cards[static_cast<std::size_t>(hand.cardCount)] = card.rank;
  updateHandTotal(hand);
  showCard(t, card.code, hand.slots);
}

}  // namespace game

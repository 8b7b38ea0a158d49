// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/give_card.h"

#include "game/card_display.h"
#include "game/hand_totals.h"

namespace game {

void giveToFirstHand(Table& t, const DrawnCard& card) {
  t.play.firstHandCardCount += 1;
  t.play.firstHandCards[static_cast<std::size_t>(t.play.firstHandCardCount)] = card.rank;
  updateFirstHandTotal(t);
  showCard(t, card.code, "User");
}

void giveToSecondHand(Table& t, const DrawnCard& card) {
  t.play.secondHandCardCount += 1;
  t.play.secondHandCards[static_cast<std::size_t>(t.play.secondHandCardCount)] = card.rank;
  updateSecondHandTotal(t);
  showCard(t, card.code, "User2");
}

}  // namespace game

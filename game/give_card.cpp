#include "game/give_card.h"

#include "game/card_display.h"
#include "game/hand_totals.h"

namespace game {

void giveToFirstHand(Table& t, const DrawnCard& card) {
  t.firstHandCardCount += 1;
  t.firstHandCards[static_cast<std::size_t>(t.firstHandCardCount)] = card.rank;
  updateFirstHandTotal(t);
  showCard(t, card.code, "User");
}

void giveToSecondHand(Table& t, const DrawnCard& card) {
  t.secondHandCardCount += 1;
  t.secondHandCards[static_cast<std::size_t>(t.secondHandCardCount)] = card.rank;
  updateSecondHandTotal(t);
  showCard(t, card.code, "User2");
}

}  // namespace game

// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/dealer_play.h"

#include "game/card_display.h"
#include "game/deck.h"
#include "game/hand_totals.h"
#include "game/settlement.h"
#include "game/table_rules.h"

namespace game {

void dealerPlay(Table& t) {
  t.Command3.enabled = false;
  t.Command4.enabled = false;
  t.Command11.enabled = false;
  t.Command13.enabled = false;
  t.Shape1.visible = false;
  t.Shape2.visible = false;
  t.Label1.visible = true;
  t.Label4.visible = true;
  updateSecondHandTotal(t);
  updateFirstHandTotal(t);
  // Only a split can have both hands over 21; then there is nothing to beat.
  if (!(t.play.firstHandTotal > 21 && t.play.secondHandTotal > 21)) {
    // Stands on every 17, soft 17 included.
    while (t.play.dealerTotal < rules::kDealerStandsOn) {
      const DrawnCard card = drawCard(t);
      t.play.dealerCardCount += 1;
      t.play.dealerCards[static_cast<std::size_t>(t.play.dealerCardCount)] = card.rank;
      updateDealerTotal(t);
      showCard(t, card.code, "Dealer");
    }
  }
  settleDeal(t);
}

}  // namespace game

// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/surrender.h"

#include <cmath>

#include "game/dealer_play.h"
#include "game/hit_stand.h"
#include "game/settlement.h"
#include "game/statistics/statistics_book.h"
#include "game/table_rules.h"
#include "game/table_startup.h"
#include "platform/text_number.h"

namespace game {
namespace {

void endDealAfterSurrender(Table& t) {
  applyEndOfDealMenuRules(t);
  returnToBetEntry(t);
  // Split goes off too: a surrendered pair must not be split once the deal
  // has ended.
  disablePlayerActions(t);
  t.Command1.enabled = true;
}

}  // namespace

void command13Click(Table& t) {
  if (!t.play.isSplit && t.play.activeHand == 1) {
    // No settlement: the hole card stays down and an insurance stake is
    // dropped unpaid and uncharged.
    const double charge = std::floor(t.stakes.handBet * rules::kSurrenderShare);
    t.money.bankBalance -= charge;
    recordDeal(t, {.handsLost = 1,
                   .surrenders = 1,
                   .insuranceTaken = t.stakes.insuranceBet > 0,
                   .net = -charge,
                   .bank = t.money.bankBalance});
    t.Label13.visible = true;
    t.Label13.caption = "Surrender, You Lose " + platform::signedForm(charge);
    t.Command1.enabled = true;
    endDealAfterSurrender(t);
  } else if (t.play.activeHand == 1) {
    // The charge comes with the settlement.
    moveToSecondHand(t);
    t.play.firstHandSurrendered = true;
    if (t.play.secondHandTotal == 21) dealerPlay(t);
  } else if (t.play.activeHand == 2) {
    t.play.secondHandSurrendered = true;
    settleDeal(t);
    endDealAfterSurrender(t);
  }
}

}  // namespace game

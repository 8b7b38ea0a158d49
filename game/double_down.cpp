// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/double_down.h"

#include <cmath>

#include "game/dealer_play.h"
#include "game/done.h"
#include "game/entry_mode.h"
#include "game/give_card.h"
#include "game/hit_stand.h"
#include "game/settlement.h"
#include "game/stakes.h"
#include "game/table_rules.h"
#include "platform/text_number.h"

namespace game {
namespace {

void enableSecondHandActions(Table& t) {
  for (Control* on : {&t.Command3, &t.Command4, &t.Command11, &t.Command13})
    on->enabled = true;
}

}  // namespace

void command11Click(Table& t) {
  if (t.play.firstHandTotal >= 21 && t.play.activeHand == 1) {
    if (t.play.isSplit) {
      moveToSecondHand(t);
    } else {
      settleDeal(t);
    }
    return;
  }
  openStakeEntry(t, kDoubleDownEntry);
  t.Command14.enabled = false;
  t.Label13.visible = true;
  t.Label13.caption = "Limit is " + platform::signedForm(stakeOfHandInPlay(t) * rules::kDoubleDownTimes);
}

bool acceptsDoubledStake(const Table& t, double newStake) {
  // A double down raises the stake, to at most twice what it was, and only
  // as far as the bank covers it beside the other stakes on the table.
  const double stake = stakeOfHandInPlay(t);
  Stakes raised = stakesOnTable(t);
  (t.play.isSplit && t.play.activeHand == 2 ? raised.secondHand : raised.firstHand) = newStake;
  return newStake >= stake && newStake <= stake * rules::kDoubleDownTimes && bankCovers(t, raised);
}

void completeDoubleDown(Table& t) {
  t.entry.bet = platform::leadingNumber(t.Text1.text());
  // The second hand's stake is whole; the rounded amount is the one tested.
  const bool secondHand = t.play.isSplit && t.play.activeHand == 2;
  if (!acceptsDoubledStake(t, secondHand ? std::nearbyint(t.entry.bet) : t.entry.bet)) return;
  ++t.play.doubles;
  setEntryMode(t, kBetEntry);
  t.Command2.visible = false;
  t.Label13.visible = false;
  t.Command13.enabled = false;

  if (t.play.activeHand == 1) {
    t.stakes.handBet = t.entry.bet;
    t.Label7.caption = platform::plainForm(t.stakes.handBet);
    giveToFirstHand(t, drawCard(t));
    if (t.play.firstHandTotal >= 21) {
      if (t.play.isSplit) {
        moveToSecondHand(t);
        enableSecondHandActions(t);
        if (t.play.secondHandTotal == 21) dealerPlay(t);
      } else if (t.play.firstHandTotal == 21) {
        dealerPlay(t);
      } else {
        settleDeal(t);
      }
      return;
    }
  }
  if (t.play.isSplit && t.play.secondHandTotal == 21) {
    dealerPlay(t);
    return;
  }
  if (t.play.activeHand == 2) {
    // Rounds to the nearest whole stake, a half to the even neighbour.
    t.stakes.secondHandBet = std::nearbyint(t.entry.bet);
    t.Label8.caption = platform::plainForm(t.stakes.secondHandBet);
    giveToSecondHand(t, drawCard(t));
    if (t.play.secondHandTotal == 21) {
      dealerPlay(t);
      return;
    }
    if (t.play.secondHandTotal > 21) {
      // Deliberate: a doubled second hand that busts is settled at once,
      // without the dealer drawing for the first hand.
      settleDeal(t);
      return;
    }
  }
  if (t.play.activeHand == 2 || !t.play.isSplit) dealerPlay(t);
  if (t.play.isSplit && t.play.activeHand == 1) {
    moveToSecondHand(t);
    enableSecondHandActions(t);
  }
}

}  // namespace game

#include "game/double_down.h"

#include <cmath>

#include "game/dealer_play.h"
#include "game/done.h"
#include "game/entry_mode.h"
#include "game/give_card.h"
#include "game/hit_stand.h"
#include "game/settlement.h"
#include "game/stakes.h"
#include "platform/text_number.h"

namespace game {
namespace {

void enableSecondHandActions(Table& t) {
  for (Control* on : {&t.Command3, &t.Command4, &t.Command11, &t.Command13})
    on->enabled = true;
}

}  // namespace

void command11Click(Table& t) {
  if (t.firstHandTotal >= 21 && t.activeHand == 1) {
    if (t.isSplit) {
      moveToSecondHand(t);
    } else {
      settleDeal(t);
    }
    return;
  }
  openStakeEntry(t, kDoubleDownEntry);
  t.Command14.enabled = false;
  t.Label13.visible = true;
  t.Label13.caption = "Limit is " + platform::signedForm(stakeOfHandInPlay(t) * 2);
}

bool acceptsDoubledStake(const Table& t, double newStake) {
  // A double down raises the stake, to at most twice what it was, and only
  // as far as the bank covers it beside the other stakes on the table.
  const double stake = stakeOfHandInPlay(t);
  Stakes raised = stakesOnTable(t);
  (t.isSplit && t.activeHand == 2 ? raised.secondHand : raised.firstHand) = newStake;
  return newStake >= stake && newStake <= stake * 2 && bankCovers(t, raised);
}

void completeDoubleDown(Table& t) {
  t.bet = platform::leadingNumber(t.Text1.text());
  // The second hand's stake is whole; the rounded amount is the one tested.
  const bool secondHand = t.isSplit && t.activeHand == 2;
  if (!acceptsDoubledStake(t, secondHand ? std::nearbyint(t.bet) : t.bet)) return;
  setEntryMode(t, kBetEntry);
  t.Command2.visible = false;
  t.Label13.visible = false;
  t.Command13.enabled = false;

  if (t.activeHand == 1) {
    t.handBet = t.bet;
    t.Label7.caption = platform::plainForm(t.handBet);
    giveToFirstHand(t, drawCard(t));
    if (t.firstHandTotal >= 21) {
      if (t.isSplit) {
        moveToSecondHand(t);
        enableSecondHandActions(t);
        if (t.secondHandTotal == 21) dealerPlay(t);
      } else if (t.firstHandTotal == 21) {
        dealerPlay(t);
      } else {
        settleDeal(t);
      }
      return;
    }
  }
  if (t.isSplit && t.secondHandTotal == 21) {
    dealerPlay(t);
    return;
  }
  if (t.activeHand == 2) {
    // Rounds to the nearest whole stake, a half to the even neighbour.
    t.secondHandBet = std::nearbyint(t.bet);
    t.Label8.caption = platform::plainForm(t.secondHandBet);
    giveToSecondHand(t, drawCard(t));
    if (t.secondHandTotal == 21) {
      dealerPlay(t);
      return;
    }
    if (t.secondHandTotal > 21) {
      // Deliberate: a doubled second hand that busts is settled at once,
      // without the dealer drawing for the first hand.
      settleDeal(t);
      return;
    }
  }
  if (t.activeHand == 2 || !t.isSplit) dealerPlay(t);
  if (t.isSplit && t.activeHand == 1) {
    moveToSecondHand(t);
    enableSecondHandActions(t);
  }
}

}  // namespace game

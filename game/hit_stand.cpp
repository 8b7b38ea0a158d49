// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/hit_stand.h"

#include "game/dealer_play.h"
#include "game/deck.h"
#include "game/give_card.h"
#include "game/hand_totals.h"
#include "game/settlement.h"

namespace game {
namespace {

void hitFirstHand(Table& t, const DrawnCard& card) {
  t.Command11.enabled = false;
  giveToFirstHand(t, card);
  if (t.play.firstHandTotal < 21) return;
  if (t.play.isSplit) {
    moveToSecondHand(t);
    t.Command11.enabled = true;
    if (t.play.secondHandTotal == 21) dealerPlay(t);
  } else if (t.play.firstHandTotal == 21) {
    dealerPlay(t);
  } else {
    settleDeal(t);
  }
}

void hitSecondHand(Table& t, const DrawnCard& card) {
  t.Command11.enabled = false;
  giveToSecondHand(t, card);
  if (t.play.secondHandTotal >= 21) dealerPlay(t);
}

}  // namespace

void command3Click(Table& t) {
  updateFirstHandTotal(t);
  updateSecondHandTotal(t);
  t.Command12.visible = false;
  if ((!t.play.isSplit && t.play.activeHand == 1) || t.play.activeHand == 2) t.Command11.enabled = false;
  t.Command13.enabled = false;
  t.Command14.enabled = false;
  t.setIcon("MISC35.ICO");

  // A hand already at 21 or more takes no card: a two-card 21 under a dealer
  // ace is still in play until the player acts.
  if (!t.play.isSplit && t.play.activeHand == 1 && t.play.firstHandTotal >= 21) {
    if (t.play.firstHandTotal > 21) {
      settleDeal(t);
    } else {
      dealerPlay(t);
    }
  } else if (t.play.isSplit && t.play.activeHand == 1 && t.play.firstHandTotal >= 21) {
    moveToSecondHand(t);
    if (t.play.secondHandTotal == 21) dealerPlay(t);
  } else if (t.play.activeHand == 2 && t.play.secondHandTotal >= 21) {
    dealerPlay(t);
  } else {
    const DrawnCard card = drawCard(t);
    if (t.play.activeHand == 1) {
      hitFirstHand(t, card);
    } else if (t.play.activeHand == 2) {
      hitSecondHand(t, card);
    }
  }
}

void command4Click(Table& t) {
  t.setIcon("MISC36.ICO");
  t.Command11.enabled = false;
  t.Command12.visible = false;
  t.Command13.enabled = false;
  t.Command14.enabled = false;
  updateFirstHandTotal(t);
  updateSecondHandTotal(t);
  if ((!t.play.isSplit && t.play.activeHand == 1) || t.play.activeHand == 2) dealerPlay(t);
  if (t.play.isSplit && t.play.activeHand == 1) {
    moveToSecondHand(t);
    t.Command11.enabled = true;
    if (t.play.secondHandTotal == 21) dealerPlay(t);
  }
}

void moveToSecondHand(Table& t) {
  t.play.activeHand = 2;
  t.Shape1.visible = false;
  t.Shape2.visible = true;
}

}  // namespace game

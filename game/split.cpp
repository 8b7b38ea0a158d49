// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/split.h"

#include <cmath>

#include "game/card_display.h"
#include "game/dealer_play.h"
#include "game/deck.h"
#include "game/hand_totals.h"
#include "game/hit_stand.h"
#include "game/stakes.h"
#include "platform/text_number.h"

namespace game {

void command14Click(Table& t) {
  // The second hand takes the first hand's stake, whole: rounded to the
  // nearest, a half to the even neighbour. The bank must cover both stakes
  // and the insurance, which is settled once per hand.
  const double secondStake = std::nearbyint(t.stakes.handBet);
  Stakes split = stakesOnTable(t);
  split.secondHand = secondStake;
  split.split = true;
  if (!bankCovers(t, split)) return;
  t.setIcon("MISC36.ICO");
  t.height = 9090;
  t.Image(19).visible = true;
  t.Image(20).visible = true;
  for (Control* shown : {&t.Label3, &t.Label6, &t.Label10, &t.Label8})
    shown->visible = true;
  t.Command12.visible = false;

  // The player's second card was the last one drawn; it moves to the new hand.
  t.play.secondHandCardCount = 1;
  showCard(t, lastDrawnCode(t), "User2");
  const DrawnCard forFirst = drawCard(t);
  t.play.firstHandCardCount = 2;
  showCard(t, forFirst.code, "User");
  const DrawnCard forSecond = drawCard(t);
  t.play.secondHandCardCount = 2;
  showCard(t, forSecond.code, "User2");
  t.play.secondHandCards[1] = t.play.firstHandCards[2];
  t.play.firstHandCards[2] = forFirst.rank;
  t.play.secondHandCards[2] = forSecond.rank;

  t.Command14.enabled = false;
  t.play.isSplit = true;
  t.Shape1.visible = true;
  t.stakes.secondHandBet = secondStake;
  t.Label8.caption = platform::plainForm(t.stakes.secondHandBet);
  updateFirstHandTotal(t);
  updateSecondHandTotal(t);
  if (t.play.firstHandTotal == 21) moveToSecondHand(t);
  if (t.play.activeHand == 2 && t.play.secondHandTotal == 21) dealerPlay(t);
}

}  // namespace game

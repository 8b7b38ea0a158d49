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
  const double secondStake = std::nearbyint(t.handBet);
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
  t.secondHandCardCount = 1;
  showCard(t, lastDrawnCode(t), "User2");
  const DrawnCard forFirst = drawCard(t);
  t.firstHandCardCount = 2;
  showCard(t, forFirst.code, "User");
  const DrawnCard forSecond = drawCard(t);
  t.secondHandCardCount = 2;
  showCard(t, forSecond.code, "User2");
  t.secondHandCards[1] = t.firstHandCards[2];
  t.firstHandCards[2] = forFirst.rank;
  t.secondHandCards[2] = forSecond.rank;

  t.Command14.enabled = false;
  t.isSplit = true;
  t.Shape1.visible = true;
  t.secondHandBet = secondStake;
  t.Label8.caption = platform::plainForm(t.secondHandBet);
  updateFirstHandTotal(t);
  updateSecondHandTotal(t);
  if (t.firstHandTotal == 21) moveToSecondHand(t);
  if (t.activeHand == 2 && t.secondHandTotal == 21) dealerPlay(t);
}

}  // namespace game

// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/deal.h"

#include "game/card_display.h"
#include "game/dealer_play.h"
#include "game/deck.h"
#include "game/hand_totals.h"
#include "game/table_startup.h"
#include "platform/text_number.h"

namespace game {

void command1Click(Table& t) {
  // An out-of-range bet is refused without a word.
  if (t.entry.bet <= 0 || t.entry.bet > t.money.bankBalance) return;
  resetTable(t);
  t.play.dealInPlay = true;
  t.entry.lastDealBet = t.entry.bet;
  t.play.doubles = 0;
  t.setIcon("MISC34.ICO");
  for (Control* chip : t.chips())
    chip->enabled = false;
  t.Command3.enabled = true;
  t.Command4.enabled = true;
  t.Command11.enabled = true;
  t.Command13.enabled = true;
  t.Command14.enabled = false;
  t.Line1.visible = true;

  // The dealer's first card lies face down.
  t.play.dealerCardCount = 1;
  DrawnCard card = drawCard(t);
  t.play.dealerCards[1] = card.rank;
  t.play.holeCardCode = card.code;
  t.Image(10).picture = t.installPath + "back.BMP";
  t.Image(10).accessibleName = "face-down card";
  t.Image(10).visible = true;

  t.play.firstHandCardCount = 1;
  card = drawCard(t);
  t.play.firstHandCards[1] = card.rank;
  showCard(t, card.code, "User");

  t.play.dealerCardCount = 2;
  card = drawCard(t);
  t.play.dealerCards[2] = card.rank;
  showCard(t, card.code, "Dealer");

  t.play.firstHandCardCount = 2;
  card = drawCard(t);
  t.play.firstHandCards[2] = card.rank;
  showCard(t, card.code, "User");

  updateDealerTotal(t);
  updateFirstHandTotal(t);
  t.Label2.visible = true;
  t.Label5.visible = true;
  t.Label9.visible = true;
  t.Label7.visible = true;
  t.play.activeHand = 1;
  t.Shape1.visible = true;
  t.stakes.handBet = t.entry.bet;
  t.Label7.caption = platform::plainForm(t.stakes.handBet);

  if (t.play.dealerCards[2] == 1) t.Command12.visible = true;
  // The same rank number: two kings split, a king and a queen do not.
  if (t.play.firstHandCards[1] == t.play.firstHandCards[2]) t.Command14.enabled = true;
  if (t.play.firstHandTotal == 21 && t.play.dealerCards[2] != 1) {
    dealerPlay(t);
  } else {
    t.Command1.enabled = false;
  }
}

}  // namespace game

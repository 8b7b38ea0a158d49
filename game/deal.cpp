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
  if (t.bet <= 0 || t.bet > t.bankBalance) return;
  resetTable(t);
  t.dealInPlay = true;
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
  t.dealerCardCount = 1;
  DrawnCard card = drawCard(t);
  t.dealerCards[1] = card.rank;
  t.holeCardCode = card.code;
  t.Image(10).picture = t.installPath + "back.BMP";
  t.Image(10).accessibleName = "face-down card";
  t.Image(10).visible = true;

  t.firstHandCardCount = 1;
  card = drawCard(t);
  t.firstHandCards[1] = card.rank;
  showCard(t, card.code, "User");

  t.dealerCardCount = 2;
  card = drawCard(t);
  t.dealerCards[2] = card.rank;
  showCard(t, card.code, "Dealer");

  t.firstHandCardCount = 2;
  card = drawCard(t);
  t.firstHandCards[2] = card.rank;
  showCard(t, card.code, "User");

  updateDealerTotal(t);
  updateFirstHandTotal(t);
  t.Label2.visible = true;
  t.Label5.visible = true;
  t.Label9.visible = true;
  t.Label7.visible = true;
  t.activeHand = 1;
  t.Shape1.visible = true;
  t.handBet = t.bet;
  t.Label7.caption = platform::plainForm(t.handBet);

  if (t.dealerCards[2] == 1) t.Command12.visible = true;
  // The same rank number: two kings split, a king and a queen do not.
  if (t.firstHandCards[1] == t.firstHandCards[2]) t.Command14.enabled = true;
  if (t.firstHandTotal == 21 && t.dealerCards[2] != 1) {
    dealerPlay(t);
  } else {
    t.Command1.enabled = false;
  }
}

}  // namespace game

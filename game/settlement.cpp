#include "game/settlement.h"

#include <cmath>

#include "game/bankroll/bank_label.h"
#include "game/card_display.h"
#include "game/hand_totals.h"
#include "game/table_startup.h"
#include "platform/text_number.h"

namespace game {
namespace {

using platform::plainForm;
using platform::signedForm;

struct HandToPay {
  double total;
  int cardCount;
  double stake;
  HandResult result;
  int insuranceShare;  // how many hands' insurance the message sums up to here
};

// Pays one hand and settles the insurance once more for it. Deliberate: with
// a split the insurance counts once per hand, and a two-card 21 against the
// dealer's 21 of three or more cards is a push with a bonus of half the stake.
void payHand(Table& t, const HandToPay& hand, std::string& resultSuffix) {
  const bool natural = hand.total == 21 && hand.cardCount == 2;
  switch (hand.result) {
    case HandResult::User:
      if (natural) {
        t.bankBalance += std::floor(1.5 * hand.stake);
        resultSuffix = " with Tavorin";
      } else {
        t.bankBalance += hand.stake;
      }
      break;
    case HandResult::Dealer:
      t.bankBalance -= hand.stake;
      break;
    case HandResult::Draw:
      break;
  }

  const bool dealerNatural = t.dealerCardCount == 2 && t.dealerTotal == 21;
  if (dealerNatural) {
    t.bankBalance += 2 * t.insuranceBet;
    if (t.insuranceBet > 0) t.Label23.visible = true;
    t.Label23.caption = "Insurance Paid " + signedForm(2 * t.insuranceBet * hand.insuranceShare);
  } else {
    t.bankBalance -= t.insuranceBet;
    if (t.insuranceBet > 0) t.Label23.visible = true;
    t.Label23.caption = "Insurance Cost " + signedForm(t.insuranceBet * hand.insuranceShare);
  }

  if (natural && t.dealerTotal == 21 && t.dealerCardCount > 2) t.bankBalance += std::floor(0.5 * hand.stake);
}

void showSigns(HandResult result, Control& playerSign, Control& dealerSign) {
  playerSign.visible = true;
  dealerSign.visible = true;
  switch (result) {
    case HandResult::User:
      playerSign.caption = "+";
      dealerSign.caption = "-";
      break;
    case HandResult::Dealer:
      playerSign.caption = "-";
      dealerSign.caption = "+";
      break;
    case HandResult::Draw:
      playerSign.caption = "T";
      dealerSign.caption = "T";
      break;
  }
}

}  // namespace

void applyEndOfDealMenuRules(Table& t) {
  // A bank below 0 (an old player file can hold one) is offered the loan
  // too, or the table would be a dead end until the next start.
  if (t.bankBalance <= 0) {
    t.mnuItemAddBalance.enabled = true;
    t.mnuItemPayDebt.enabled = false;
  }
  if (t.bankBalance > 0 && t.debt > 0) t.mnuItemPayDebt.enabled = true;
}

void returnToBetEntry(Table& t) {
  t.dealInPlay = false;
  t.bet = 0;
  t.Text1.setText("0");
  showBank(t);
  t.Command1.enabled = true;
  for (Control* chip : t.chips())
    chip->enabled = true;
  t.insuranceBet = 0;
  t.Option1.setValue(true);
}

HandResult handResult(double h, double d) {
  if (h <= 21) {
    if (d > 21 || h > d) return HandResult::User;
    return h == d ? HandResult::Draw : HandResult::Dealer;
  }
  return d <= 21 ? HandResult::Dealer : HandResult::Draw;
}

void settleDeal(Table& t) {
  t.setIcon("MISC37.ICO");
  t.Command1.enabled = true;
  updateSecondHandTotal(t);
  updateFirstHandTotal(t);
  const double balanceBefore = t.bankBalance;
  disablePlayerActions(t);
  t.Label5.caption = plainForm(t.firstHandTotal);
  t.Label6.caption = plainForm(t.secondHandTotal);
  t.Label4.caption = plainForm(t.dealerTotal);

  HandResult firstResult = handResult(t.firstHandTotal, t.dealerTotal);
  HandResult secondResult = t.isSplit ? handResult(t.secondHandTotal, t.dealerTotal) : HandResult::Draw;
  std::string resultSuffix;

  if (t.firstHandSurrendered) {
    t.bankBalance -= std::floor(t.handBet * 0.5);
    firstResult = HandResult::Dealer;
  }
  if (t.secondHandSurrendered) {
    t.bankBalance -= std::floor(t.secondHandBet * 0.5);
    secondResult = HandResult::Dealer;
  }
  if (!t.firstHandSurrendered) {
    payHand(t, {t.firstHandTotal, t.firstHandCardCount, t.handBet, firstResult, 1}, resultSuffix);
  }
  if (!t.secondHandSurrendered && t.isSplit) {
    payHand(t, {t.secondHandTotal, t.secondHandCardCount, t.secondHandBet, secondResult, 2}, resultSuffix);
  }

  applyEndOfDealMenuRules(t);

  t.dealerCardCount = 1;
  showCard(t, t.holeCardCode, "Dealer");
  returnToBetEntry(t);

  showSigns(firstResult, t.Label20, t.Label19);
  if (t.firstHandSurrendered) t.Label20.caption = "S";
  if (t.isSplit) {
    showSigns(secondResult, t.Label21, t.Label22);
    if (t.secondHandSurrendered) t.Label21.caption = "S";
  }

  t.Label13.visible = true;
  if (balanceBefore >= t.bankBalance) {
    t.Label13.caption = "You Lose " + signedForm(balanceBefore - t.bankBalance);
  } else {
    t.Label13.caption = "You Win " + signedForm(t.bankBalance - balanceBefore) + resultSuffix;
  }
  t.Command1.enabled = true;
}

}  // namespace game

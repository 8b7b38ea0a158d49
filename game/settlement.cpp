// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/settlement.h"

#include <cmath>

#include "game/bankroll/bank_label.h"
#include "game/card_display.h"
#include "game/hand_totals.h"
#include "game/statistics/statistics_book.h"
#include "game/table_rules.h"
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
        t.money.bankBalance += std::floor(rules::kNaturalPays * hand.stake);
        resultSuffix = " with Tavorin";
      } else {
        t.money.bankBalance += hand.stake;
      }
      break;
    case HandResult::Dealer:
      t.money.bankBalance -= hand.stake;
      break;
    case HandResult::Draw:
      break;
  }

  const bool dealerNatural = t.play.dealerCardCount == 2 && t.play.dealerTotal == 21;
  if (dealerNatural) {
    t.money.bankBalance += rules::kInsurancePays * t.stakes.insuranceBet;
    if (t.stakes.insuranceBet > 0) t.Label23.visible = true;
    t.Label23.caption =
        "Insurance Paid " + signedForm(rules::kInsurancePays * t.stakes.insuranceBet * hand.insuranceShare);
  } else {
    t.money.bankBalance -= t.stakes.insuranceBet;
    if (t.stakes.insuranceBet > 0) t.Label23.visible = true;
    t.Label23.caption = "Insurance Cost " + signedForm(t.stakes.insuranceBet * hand.insuranceShare);
  }

  if (natural && t.play.dealerTotal == 21 && t.play.dealerCardCount > 2)
    t.money.bankBalance += std::floor(rules::kNaturalBonus * hand.stake);
}

void countHand(DealRecord& record, HandResult result, double total, int cardCount, bool surrendered) {
  if (surrendered) {
    ++record.handsLost;
    ++record.surrenders;
    return;
  }
  record.naturals += total == 21 && cardCount == 2;
  switch (result) {
    case HandResult::User:
      ++record.handsWon;
      break;
    case HandResult::Dealer:
      ++record.handsLost;
      break;
    case HandResult::Draw:
      ++record.handsPushed;
      break;
  }
}

// The deal as the statistics keep it, read before the table returns to the
// bet entry and forgets the insurance.
DealRecord dealRecordOf(const Table& t, HandResult first, HandResult second, double balanceBefore) {
  DealRecord record;
  countHand(record, first, t.play.firstHandTotal, t.play.firstHandCardCount, t.play.firstHandSurrendered);
  if (t.play.isSplit) {
    countHand(record, second, t.play.secondHandTotal, t.play.secondHandCardCount,
              t.play.secondHandSurrendered);
  }
  record.doubles = t.play.doubles;
  record.split = t.play.isSplit;
  record.insuranceTaken = t.stakes.insuranceBet > 0;
  record.insurancePaid = record.insuranceTaken && t.play.dealerCardCount == 2 && t.play.dealerTotal == 21;
  record.net = t.money.bankBalance - balanceBefore;
  record.bank = t.money.bankBalance;
  return record;
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
  if (t.money.bankBalance <= 0) {
    t.mnuItemAddBalance.enabled = true;
    t.mnuItemPayDebt.enabled = false;
  }
  if (t.money.bankBalance > 0 && t.money.debt > 0) t.mnuItemPayDebt.enabled = true;
}

void returnToBetEntry(Table& t) {
  t.play.dealInPlay = false;
  t.entry.bet = 0;
  t.Text1.setText("0");
  showBank(t);
  t.Command1.enabled = true;
  for (Control* chip : t.chips())
    chip->enabled = true;
  t.stakes.insuranceBet = 0;
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
  const double balanceBefore = t.money.bankBalance;
  disablePlayerActions(t);
  t.Label5.caption = plainForm(t.play.firstHandTotal);
  t.Label6.caption = plainForm(t.play.secondHandTotal);
  t.Label4.caption = plainForm(t.play.dealerTotal);

  HandResult firstResult = handResult(t.play.firstHandTotal, t.play.dealerTotal);
  HandResult secondResult =
      t.play.isSplit ? handResult(t.play.secondHandTotal, t.play.dealerTotal) : HandResult::Draw;
  std::string resultSuffix;

  if (t.play.firstHandSurrendered) {
    t.money.bankBalance -= std::floor(t.stakes.handBet * rules::kSurrenderShare);
    firstResult = HandResult::Dealer;
  }
  if (t.play.secondHandSurrendered) {
    t.money.bankBalance -= std::floor(t.stakes.secondHandBet * rules::kSurrenderShare);
    secondResult = HandResult::Dealer;
  }
  if (!t.play.firstHandSurrendered) {
    payHand(t, {t.play.firstHandTotal, t.play.firstHandCardCount, t.stakes.handBet, firstResult, 1},
            resultSuffix);
  }
  if (!t.play.secondHandSurrendered && t.play.isSplit) {
    payHand(t, {t.play.secondHandTotal, t.play.secondHandCardCount, t.stakes.secondHandBet, secondResult, 2},
            resultSuffix);
  }

  applyEndOfDealMenuRules(t);
  if (t.play.dealInPlay) recordDeal(t, dealRecordOf(t, firstResult, secondResult, balanceBefore));

  t.play.dealerCardCount = 1;
  showCard(t, t.play.holeCardCode, "Dealer");
  returnToBetEntry(t);

  showSigns(firstResult, t.Label20, t.Label19);
  if (t.play.firstHandSurrendered) t.Label20.caption = "S";
  if (t.play.isSplit) {
    showSigns(secondResult, t.Label21, t.Label22);
    if (t.play.secondHandSurrendered) t.Label21.caption = "S";
  }

  t.Label13.visible = true;
  if (balanceBefore >= t.money.bankBalance) {
    t.Label13.caption = "You Lose " + signedForm(balanceBefore - t.money.bankBalance);
  } else {
    t.Label13.caption = "You Win " + signedForm(t.money.bankBalance - balanceBefore) + resultSuffix;
  }
  t.Command1.enabled = true;
}

}  // namespace game

// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/house_rules.h"

#include "game/table.h"
#include "game/table_rules.h"
#include "platform/text_number.h"

namespace game {
namespace {

using platform::plainForm;

// "half" reads better than "0.5 times"; other shares keep their number.
std::string share(double part) {
  if (part == 0.5) return "half";
  if (part == 0.25) return "a quarter";
  return plainForm(part) + " times";
}

std::string cards(int count) {
  return plainForm(count) + (count == 1 ? " card" : " cards");
}

}  // namespace

RuleNumbers playedRules() {
  return {kDeckSize,
          rules::kCardsDealtPerShuffle,
          rules::kDealerStandsOn,
          rules::kNaturalPays,
          rules::kNaturalBonus,
          rules::kInsuranceShare,
          rules::kInsurancePays,
          rules::kSurrenderShare,
          rules::kDoubleDownTimes,
          rules::kBankLimitForLoans,
          rules::kDebtLimit,
          rules::kLeastBankAfterPayment,
          rules::kStartingBank};
}

std::vector<std::string> houseRules(const RuleNumbers& n) {
  const std::string stands = plainForm(n.dealerStandsOn);
  return {
      "One deck of " + cards(n.deckSize) + ". Once " + cards(n.cardsDealtPerShuffle) +
          " have been dealt, the whole deck is shuffled again before the next card, even in the middle "
          "of a deal; " +
          cards(n.deckSize - n.cardsDealtPerShuffle) + " of each shuffle " +
          (n.deckSize - n.cardsDealtPerShuffle == 1 ? "is" : "are") + " never dealt.",
      "A bet must be more than 0 and no more than your bank. A new player's bank is " +
          plainForm(n.startingBank) + ".",
      "The dealer draws below " + stands + " and stands on every " + stands +
          ", a soft one too. The dealer counts an ace as 11 only when holding exactly one ace; your aces "
          "count as 11 whenever that does not take you over 21.",
      "A win pays your stake, a loss costs it and a push gives it back. A natural (21 with your first two "
      "cards) pays " +
          share(n.naturalPays) + " the stake, rounded down to a whole amount.",
      "A hand that reaches 21 stands by itself. If your first two cards make 21 and the dealer's up card "
      "is not an ace, the dealer plays at once.",
      "A hand over 21 loses at once, except a split hand: it waits for the dealer, and if the dealer goes "
      "over 21 too, it is a push.",
      "Double Down, before you take a card: raise the stake of the hand in play to at most " +
          share(n.doubleDownTimes) + " what it was, and never below it; you get exactly one more card.",
      "Insurance, offered while the dealer's up card is an ace and before you take a card: up to " +
          share(n.insuranceShare) + " your stake, rounded down. It pays " + share(n.insurancePays) +
          " itself when the dealer has a natural and is lost otherwise. After a split it is settled once "
          "for each hand.",
      "Surrender, before you take a card: you give up the hand and lose " + share(n.surrenderShare) +
          " its stake, rounded down. A single hand's surrender ends the deal with the hole card still "
          "down, and the insurance is neither paid nor charged.",
      "Split: a pair of the same rank (two kings, not a king and a queen) may be split once into two "
      "hands. The second hand's stake is the first hand's, rounded to a whole amount.",
      "A split hand's 21 with two cards counts as a natural and is paid as one. A natural against the "
      "dealer's 21 of three or more cards is a push with a bonus of " +
          share(n.naturalBonus) + " its stake, rounded down.",
      "Loans: File > Add to Bank Balance lends you money up to a bank of " + plainForm(n.bankLimitForLoans) +
          ". What you borrow is added to your debt, which stops growing at " + plainForm(n.debtLimit) +
          ", though the loan is paid in full. Pay Debt pays back at most what you owe and leaves at least " +
          plainForm(n.leastBankAfterPayment) + " in the bank.",
  };
}

}  // namespace game

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rules of this table in plain words, written from the numbers the
// handlers play with (game/table_rules.h). Help > House Rules shows them.

#include <string>
#include <vector>

namespace game {

// The numbers the sentences are made from; playedRules() gives the ones the
// table plays by. A test writes the sentences from other numbers to see that
// each number comes from here and none is written into a sentence.
struct RuleNumbers {
  int deckSize;
  int cardsDealtPerShuffle;
  double dealerStandsOn;
  double naturalPays;
  double naturalBonus;
  double insuranceShare;
  double insurancePays;
  double surrenderShare;
  double doubleDownTimes;
  double bankLimitForLoans;
  double debtLimit;
  double leastBankAfterPayment;
  double startingBank;
};

RuleNumbers playedRules();

// One sentence or short paragraph per rule, in the order a player meets them.
std::vector<std::string> houseRules(const RuleNumbers& numbers = playedRules());

}  // namespace game

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "game/table.h"

namespace game {

struct HandCount {
  double hard = 0;
  double soft = 0;  // 0 when no ace may count 11
  double counted() const { return soft > 0 && soft < 22 ? soft : hard; }
};

enum class AceRule {
  AnyAce,     // a player's hand: one ace counts 11 whenever it has one
  SingleAce,  // the dealer's hand: only a hand with exactly one ace
};

HandCount countHand(const HandCards& cards, AceRule rule);

// "hard" or "hard or soft", each in signed form, as the total labels show it.
std::string handText(const HandCount& count);

void updateDealerTotal(Table& t);
void updateFirstHandTotal(Table& t);
void updateSecondHandTotal(Table& t);

}  // namespace game

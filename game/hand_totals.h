// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

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

// Where one of the player's two hands keeps its cards, its total and the
// label that shows it: both hands are counted and dealt to the same way.
struct PlayerHand {
  HandCards& cards;
  int& cardCount;
  double& total;
  Control& totalLabel;
  std::string_view slots;  // the card-display selector of the hand's slots
};
PlayerHand firstHand(Table& t);
PlayerHand secondHand(Table& t);

void updateDealerTotal(Table& t);
void updateHandTotal(PlayerHand hand);
inline void updateFirstHandTotal(Table& t) {
  updateHandTotal(firstHand(t));
}
inline void updateSecondHandTotal(Table& t) {
  updateHandTotal(secondHand(t));
}

}  // namespace game

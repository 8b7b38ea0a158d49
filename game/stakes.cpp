// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/stakes.h"

#include <cmath>
#include "game/table_rules.h"

namespace game {

Stakes stakesOnTable(const Table& t) {
  return {t.stakes.handBet, t.stakes.secondHandBet, t.stakes.insuranceBet, t.play.isSplit};
}

double stakeOfHandInPlay(const Table& t) {
  return t.play.isSplit && t.play.activeHand == 2 ? t.stakes.secondHandBet : t.stakes.handBet;
}

double riskOf(const Table& t, const Stakes& stakes) {
  // A surrendered hand costs half its stake and settles no insurance.
  const auto handRisk = [&stakes](double stake, bool surrendered) {
    return surrendered ? std::floor(stake * rules::kSurrenderShare) : stake + stakes.insurance;
  };
  double risk = handRisk(stakes.firstHand, t.play.firstHandSurrendered);
  if (stakes.split) risk += handRisk(stakes.secondHand, t.play.secondHandSurrendered);
  return risk;
}

double stakesAtRisk(const Table& t) {
  return t.play.dealInPlay ? riskOf(t, stakesOnTable(t)) : 0;
}

bool bankCovers(const Table& t, const Stakes& proposed) {
  return riskOf(t, proposed) <= t.money.bankBalance;
}

}  // namespace game

#include "game/stakes.h"

#include <cmath>

namespace game {

Stakes stakesOnTable(const Table& t) {
  return {t.handBet, t.secondHandBet, t.insuranceBet, t.isSplit};
}

double stakeOfHandInPlay(const Table& t) {
  return t.isSplit && t.activeHand == 2 ? t.secondHandBet : t.handBet;
}

double riskOf(const Table& t, const Stakes& stakes) {
  // A surrendered hand costs half its stake and settles no insurance.
  const auto handRisk = [&stakes](double stake, bool surrendered) {
    return surrendered ? std::floor(stake * 0.5) : stake + stakes.insurance;
  };
  double risk = handRisk(stakes.firstHand, t.firstHandSurrendered);
  if (stakes.split) risk += handRisk(stakes.secondHand, t.secondHandSurrendered);
  return risk;
}

double stakesAtRisk(const Table& t) {
  return t.dealInPlay ? riskOf(t, stakesOnTable(t)) : 0;
}

bool bankCovers(const Table& t, const Stakes& proposed) {
  return riskOf(t, proposed) <= t.bankBalance;
}

}  // namespace game

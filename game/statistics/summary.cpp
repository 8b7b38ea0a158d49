// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/statistics/summary.h"

#include <algorithm>

namespace game {

Summary summarize(std::span<const DealRecord> deals) {
  Summary s;
  long winning = 0, losing = 0;
  for (const DealRecord& d : deals) {
    ++s.deals;
    s.handsWon += d.handsWon;
    s.handsLost += d.handsLost;
    s.handsPushed += d.handsPushed;
    s.naturals += d.naturals;
    s.doubles += d.doubles;
    s.splits += d.split;
    s.surrenders += d.surrenders;
    s.insuranceTaken += d.insuranceTaken;
    s.insurancePaid += d.insurancePaid;
    s.net += d.net;
    s.biggestWin = std::max(s.biggestWin, d.net);
    s.biggestLoss = std::max(s.biggestLoss, -d.net);
    winning = d.net > 0 ? winning + 1 : 0;
    losing = d.net < 0 ? losing + 1 : 0;
    s.longestWinningRun = std::max(s.longestWinningRun, winning);
    s.longestLosingRun = std::max(s.longestLosingRun, losing);
  }
  return s;
}

}  // namespace game

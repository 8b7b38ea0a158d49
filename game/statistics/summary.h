// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The figures the Statistics window shows, summed up over a run of deals.

#include <span>

#include "game/statistics/deal_record.h"

namespace game {

struct Summary {
  long deals = 0;
  long handsWon = 0, handsLost = 0, handsPushed = 0;
  long naturals = 0, doubles = 0, splits = 0, surrenders = 0;
  long insuranceTaken = 0, insurancePaid = 0;
  double net = 0;
  double biggestWin = 0;   // the most one deal added to the bank; 0 when none did
  double biggestLoss = 0;  // the most one deal cost, as a positive amount
  // Deals in a row that added to the bank, or cost it; a deal that left the
  // bank as it was ends both runs.
  long longestWinningRun = 0;
  long longestLosingRun = 0;
  friend bool operator==(const Summary&, const Summary&) = default;
};

Summary summarize(std::span<const DealRecord> deals);

}  // namespace game

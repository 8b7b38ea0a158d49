// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What one finished deal adds to the statistics.

namespace game {

struct DealRecord {
  int handsWon = 0;
  int handsLost = 0;  // a surrendered hand is lost
  int handsPushed = 0;
  int naturals = 0;  // hands that held 21 with two cards
  int doubles = 0;
  bool split = false;
  int surrenders = 0;
  bool insuranceTaken = false;
  bool insurancePaid = false;
  double net = 0;   // what the deal added to the bank, less when it cost
  double bank = 0;  // the bank once the deal was over
  friend bool operator==(const DealRecord&, const DealRecord&) = default;
};

}  // namespace game

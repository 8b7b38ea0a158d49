// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/table.h"

namespace game {

// The stakes on the table, as the deal will settle them. A stake is read from
// the hand it belongs to, never from the bet box: the box stays live during a
// deal, and what is typed there must not move money.

struct Stakes {
  double firstHand = 0;
  double secondHand = 0;
  double insurance = 0;
  bool split = false;
};

// The stakes of the deal in play as they stand.
Stakes stakesOnTable(const Table& t);

// The stake of the hand in play: the first hand's, or the second's after a split.
double stakeOfHandInPlay(const Table& t);

// The most these stakes can cost the bank: every hand's stake (half of it for
// a surrendered hand) and the insurance once per hand still to be settled, as
// settlement charges it.
double riskOf(const Table& t, const Stakes& stakes);

// What the deal in play can still cost the bank; 0 between deals.
double stakesAtRisk(const Table& t);

// True when the bank covers the stakes proposed in place of those on the
// table. A new stake is taken only then, so a deal never costs more than the
// bank holds.
bool bankCovers(const Table& t, const Stakes& proposed);

}  // namespace game

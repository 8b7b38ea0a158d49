// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "game/table.h"

namespace game {

enum class HandResult { User, Dealer, Draw };

// A hand's total against the dealer's. Deliberate: a bust hand against a
// bust dealer is a push.
HandResult handResult(double handTotal, double dealerTotal);

// The menu rules at the end of a deal: a bank of 0 or less offers a loan; a
// bank above 0 with a debt offers a payment.
void applyEndOfDealMenuRules(Table& t);

// Back to bet entry after a deal: a bet of 0 in Add mode, Deal and the chips
// on, no insurance.
void returnToBetEntry(Table& t);

// Ends the deal: pays or charges every hand and the insurance, turns the hole
// card over, shows the result and returns the table to bet entry.
void settleDeal(Table& t);

}  // namespace game

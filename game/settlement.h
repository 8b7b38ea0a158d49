#pragma once

#include <string>

#include "game/table.h"

namespace game {

enum class HandResult { User, Dealer, Draw };

// A hand's total against the dealer's. Deliberate: a bust hand against a
// bust dealer is a push.
HandResult handResult(double handTotal, double dealerTotal);

// Ends the deal: pays or charges every hand and the insurance, turns the hole
// card over, shows the result and returns the table to bet entry.
void settleDeal(Table& t);

}  // namespace game

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/table.h"

namespace game {

// File > Add to Bank Balance: opens the "Debt" entry.
void mnuItemAddBalanceClick(Table& t);
// File > Pay Debt: opens the "Pay" entry, or only turns itself off without a debt.
void mnuItemPayDebtClick(Table& t);
// File > Exit: saves the player file and ends the program.
void mnuItemExitClick(Table& t);

// The desktop closes the window (its close button, a log-out): the player
// file is saved as by File > Exit, so a session is never lost. True lets the
// window close.
bool tableQueryUnload(Table& t);

// The most a payment may be now: no more than the debt, and leaving at least
// the least bank after a payment and the stakes on the table covered. The
// "Pay" entry shows it beside what is owed.
double paymentLimit(const Table& t);

// The rules Done applies in the "Debt" and "Pay" entries; false refuses the
// amount and changes nothing.
bool applyDepositRule(Table& t);
bool applyPaymentRule(Table& t);

}  // namespace game

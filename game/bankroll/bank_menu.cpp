// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/bankroll/bank_menu.h"

#include <algorithm>

#include "game/bankroll/player_file.h"
#include "game/entry_mode.h"
#include "game/stakes.h"
#include "game/statistics/statistics_book.h"
#include "game/table_rules.h"
#include "platform/text_number.h"

namespace game {
namespace {

void openMoneyEntry(Table& t) {
  for (Control* off : {&t.Command1, &t.Command3, &t.Command4, &t.Command11, &t.Command13})
    off->enabled = false;
  t.Command2.visible = true;
}

// The player file, then the statistics; one message for what could not be
// saved, as both usually fail for the same folder.
void saveOnLeaving(Table& t) {
  const std::string bank = savePlayerFileOnLeaving(t);
  const std::string statistics = saveStatisticsOnLeaving(t);
  const std::string failed = bank + (bank.empty() || statistics.empty() ? "" : "\n") + statistics;
  if (!failed.empty()) t.host.messageBox(failed, platform::MessageButtons::Ok);
}

}  // namespace

void mnuItemAddBalanceClick(Table& t) {
  t.entry.bet = 0;
  setEntryMode(t, kDepositEntry);
  t.Text1.setText("0");
  openMoneyEntry(t);
}

void mnuItemPayDebtClick(Table& t) {
  if (t.money.debt == 0) {
    t.mnuItemPayDebt.enabled = false;
    return;
  }
  t.entry.bet = 0;
  setEntryMode(t, kPaymentEntry);
  t.Label13.visible = true;
  t.Label13.caption =
      "You Owe " + platform::plainForm(t.money.debt) + ", Limit is " + platform::plainForm(paymentLimit(t));
  t.Text1.setText("0");
  openMoneyEntry(t);
}

void mnuItemExitClick(Table& t) {
  saveOnLeaving(t);
  t.host.endProgram();
}

bool tableQueryUnload(Table& t) {
  saveOnLeaving(t);
  return true;
}

double paymentLimit(const Table& t) {
  const double keep = std::max(rules::kLeastBankAfterPayment, stakesAtRisk(t));
  return std::max(0.0, std::min(t.money.debt, t.money.bankBalance - keep));
}

bool applyDepositRule(Table& t) {
  const double amount = platform::leadingNumber(t.Text1.text());
  // A negative deposit would be a loan with no limit; 0 closes the entry
  // unchanged, since an entry has no other way out.
  if (amount < 0 || t.money.bankBalance + amount > rules::kBankLimitForLoans) return false;
  t.money.debt += amount;
  if (t.money.debt > rules::kDebtLimit) t.money.debt = rules::kDebtLimit;
  t.money.bankBalance += amount;
  t.Text1.setText("0");
  return true;
}

bool applyPaymentRule(Table& t) {
  const double amount = platform::leadingNumber(t.Text1.text());
  // A negative payment would be a loan past every cap; 0 closes the entry
  // unchanged. During a deal the bank must still cover the stakes on the table.
  if (amount < 0 || t.money.debt - amount < 0 ||
      t.money.bankBalance - amount < rules::kLeastBankAfterPayment ||
      t.money.bankBalance - amount < stakesAtRisk(t))
    return false;
  t.money.debt -= amount;
  t.money.bankBalance -= amount;
  t.Text1.setText("0");
  return true;
}

}  // namespace game

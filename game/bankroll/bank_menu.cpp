#include "game/bankroll/bank_menu.h"

#include "game/bankroll/player_file.h"
#include "platform/text_number.h"

namespace game {
namespace {

constexpr double kBankLimit = 10000;
constexpr double kDebtLimit = 1000000;

void openMoneyEntry(Table& t) {
  for (Control* off : {&t.Command1, &t.Command3, &t.Command4, &t.Command11, &t.Command13})
    off->enabled = false;
  t.Command2.visible = true;
}

}  // namespace

void mnuItemAddBalanceClick(Table& t) {
  t.bet = 0;
  t.Label16.caption = "Debt";
  t.Text1.setText("0");
  openMoneyEntry(t);
}

void mnuItemPayDebtClick(Table& t) {
  if (t.debt == 0) {
    t.mnuItemPayDebt.enabled = false;
    return;
  }
  t.bet = 0;
  t.Label16.caption = "Pay";
  t.Label13.visible = true;
  t.Label13.caption = platform::plainForm(t.debt);
  t.Text1.setText("0");
  openMoneyEntry(t);
}

void mnuItemExitClick(Table& t) {
  if (!savePlayerFile(t)) {
    t.host.messageBox("Your bank balance and debt could not be saved to " + playerFilePath(t).string() + ".",
                      platform::MessageButtons::Ok);
  }
  t.host.endProgram();
}

bool applyDepositRule(Table& t) {
  const double amount = platform::leadingNumber(t.Text1.text());
  if (t.bankBalance + amount > kBankLimit) return false;
  t.debt += amount;
  if (t.debt > kDebtLimit) t.debt = kDebtLimit;
  t.bankBalance += amount;
  t.Text1.setText("0");
  return true;
}

bool applyPaymentRule(Table& t) {
  const double amount = platform::leadingNumber(t.Text1.text());
  if (t.debt - amount < 0 || t.bankBalance - amount < 1) return false;
  t.debt -= amount;
  t.bankBalance -= amount;
  t.Text1.setText("0");
  return true;
}

}  // namespace game

// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/done.h"

#include "game/bankroll/bank_label.h"
#include "game/bankroll/bank_menu.h"
#include "game/double_down.h"
#include "game/entry_mode.h"
#include "game/insurance.h"
#include "platform/text_number.h"

namespace game {
namespace {

void returnToBetMode(Table& t) {
  setEntryMode(t, kBetEntry);
  t.Text1.setText(platform::plainForm(t.entry.bet));
  // The buttons that fit the moment: the player's actions while a deal is
  // on the table, a new deal otherwise. Giving both at once would let a
  // deal be abandoned unsettled, or a settled hand be played and paid again.
  if (t.play.dealInPlay) {
    t.Command3.enabled = true;
    t.Command4.enabled = true;
    t.Command11.enabled = true;
  } else {
    t.Command1.enabled = true;
  }
  t.Command2.visible = false;
  showBank(t);
  t.Label13.visible = false;
  if (t.money.bankBalance > 0) {
    t.mnuItemAddBalance.enabled = false;
    t.mnuItemPayDebt.enabled = true;
  }
}

}  // namespace

void openStakeEntry(Table& t, std::string_view mode) {
  t.entry.savedBet = t.entry.bet;
  t.Command1.enabled = false;
  t.Command2.visible = true;
  t.Command2.enabled = true;
  for (Control* chip : t.chips())
    chip->enabled = true;
  t.Command12.visible = false;
  setEntryMode(t, mode);
  for (Control* off : {&t.Command3, &t.Command4, &t.Command11, &t.Command13})
    off->enabled = false;
}

void command2Click(Table& t) {
  // The entry mode is read afresh before each test.
  if (inEntryMode(t, kDepositEntry) && !applyDepositRule(t)) return;
  if (inEntryMode(t, kPaymentEntry) && !applyPaymentRule(t)) return;
  if (inEntryMode(t, kDoubleDownEntry)) {
    completeDoubleDown(t);
    return;
  }
  if (inEntryMode(t, kInsuranceEntry) && !completeInsurance(t)) return;
  returnToBetMode(t);
}

}  // namespace game

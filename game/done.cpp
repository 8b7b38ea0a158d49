#include "game/done.h"

#include "game/bankroll/bank_menu.h"
#include "game/double_down.h"
#include "game/insurance.h"
#include "platform/text_number.h"

namespace game {
namespace {

void returnToBetMode(Table& t) {
  t.Label16.caption = "Bet";
  t.Text1.setText(platform::plainForm(t.bet));
  // The buttons that fit the moment: the player's actions while a deal is
  // on the table, a new deal otherwise. Giving both at once would let a
  // deal be abandoned unsettled, or a settled hand be played and paid again.
  if (t.dealInPlay) {
    t.Command3.enabled = true;
    t.Command4.enabled = true;
    t.Command11.enabled = true;
  } else {
    t.Command1.enabled = true;
  }
  t.Command2.visible = false;
  t.Label14.caption = platform::plainForm(t.bankBalance);
  t.Label13.visible = false;
  if (t.bankBalance > 0) {
    t.mnuItemAddBalance.enabled = false;
    t.mnuItemPayDebt.enabled = true;
  }
}

}  // namespace

void openStakeEntry(Table& t, const char* mode) {
  t.savedBet = t.bet;
  t.Command1.enabled = false;
  t.Command2.visible = true;
  t.Command2.enabled = true;
  for (Control* chip : t.chips())
    chip->enabled = true;
  t.Command12.visible = false;
  t.Label16.caption = mode;
  for (Control* off : {&t.Command3, &t.Command4, &t.Command11, &t.Command13})
    off->enabled = false;
}

void command2Click(Table& t) {
  // The entry mode is read afresh before each test.
  if (t.Label16.caption == "Debt" && !applyDepositRule(t)) return;
  if (t.Label16.caption == "Pay" && !applyPaymentRule(t)) return;
  if (t.Label16.caption == "D-D") {
    completeDoubleDown(t);
    return;
  }
  if (t.Label16.caption == "Ins" && !completeInsurance(t)) return;
  returnToBetMode(t);
}

}  // namespace game

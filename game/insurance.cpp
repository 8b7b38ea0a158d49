// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/insurance.h"

#include <cmath>

#include "game/done.h"
#include "game/entry_mode.h"
#include "game/settlement.h"
#include "game/stakes.h"
#include "game/table_rules.h"
#include "platform/text_number.h"

namespace game {

void command12Click(Table& t) {
  if (t.play.firstHandTotal >= 21) {
    settleDeal(t);
    return;
  }
  openStakeEntry(t, kInsuranceEntry);
  t.Text1.setText(platform::plainForm(insuranceLimit(t)));
  t.Label13.visible = true;
  t.Label13.caption = "Limit is " + t.Text1.text();
}

double insuranceLimit(const Table& t) {
  return std::floor(t.stakes.handBet * rules::kInsuranceShare);
}

bool completeInsurance(Table& t) {
  const double stake = platform::leadingNumber(t.Text1.text());
  // A negative stake would be paid when the dealer has no natural.
  Stakes insured = stakesOnTable(t);
  insured.insurance = stake;
  if (stake < 0 || stake > insuranceLimit(t) || !bankCovers(t, insured)) return false;
  t.stakes.insuranceBet = stake;
  for (Control* chip : t.chips())
    chip->enabled = false;
  t.entry.bet = t.entry.savedBet;
  return true;
}

}  // namespace game

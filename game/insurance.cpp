#include "game/insurance.h"

#include <cmath>

#include "game/done.h"
#include "game/settlement.h"
#include "platform/text_number.h"

namespace game {

void command12Click(Table& t) {
  if (t.firstHandTotal >= 21) {
    settleDeal(t);
    return;
  }
  openStakeEntry(t, "Ins");
  t.Text1.setText(platform::plainForm(std::floor(t.bet * 0.5)));
  t.Label13.visible = true;
  t.Label13.caption = "Limit is " + t.Text1.text();
}

bool completeInsurance(Table& t) {
  const double stake = platform::leadingNumber(t.Text1.text());
  if (stake > std::floor(t.savedBet * 0.5)) return false;
  t.insuranceBet = stake;
  for (Control* chip : t.chips())
    chip->enabled = false;
  t.bet = t.savedBet;
  return true;
}

}  // namespace game

#include "game/insurance.h"

#include <cmath>

#include "game/settlement.h"
#include "platform/text_number.h"

namespace game {

void command12Click(Table& t) {
  if (t.firstHandTotal >= 21) {
    settleDeal(t);
    return;
  }
  t.savedBet = t.bet;
  t.Command1.enabled = false;
  t.Command2.visible = true;
  t.Command2.enabled = true;
  for (Control* chip : t.chips())
    chip->enabled = true;
  t.Command12.visible = false;
  t.Label16.caption = "Ins";
  t.Text1.setText(platform::plainForm(std::floor(t.bet * 0.5)));
  for (Control* off : {&t.Command3, &t.Command4, &t.Command11, &t.Command13})
    off->enabled = false;
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

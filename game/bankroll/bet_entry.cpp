// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/bankroll/bet_entry.h"

#include "platform/text_number.h"

namespace game {

void applyChip(Table& t, double value) {
  if (t.Option1.value()) {
    t.entry.bet += value;
  } else {
    t.entry.bet -= value;
  }
  if (t.entry.bet < 0) t.entry.bet += value;
  t.Text1.setText(platform::plainForm(t.entry.bet));
}

void label16Click(Table& t) {
  t.entry.bet = 0;
  t.Text1.setText("0");
}

void label17Click(Table& t) {
  t.Option1.setValue(true);
}

void label18Click(Table& t) {
  t.Option2.setValue(true);
}

void text1Change(Table& t) {
  t.entry.bet = platform::leadingNumber(t.Text1.text());
  t.Text1.setText(platform::plainForm(t.entry.bet));
}

}  // namespace game

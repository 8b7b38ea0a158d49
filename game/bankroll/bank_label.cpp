// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/bankroll/bank_label.h"

#include "platform/text_number.h"

namespace game {

void showBank(Table& t) {
  t.Label14.caption = platform::plainForm(t.money.bankBalance);
  // The debt has no place of its own on the table; the bank's tooltip tells it.
  t.Label14.toolTip = "Bank " + t.Label14.caption + ", debt " + platform::plainForm(t.money.debt);
}

}  // namespace game

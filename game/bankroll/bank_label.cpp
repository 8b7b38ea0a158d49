// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/bankroll/bank_label.h"

#include "platform/text_number.h"

namespace game {

void showBank(Table& t) {
  t.Label14.caption = platform::plainForm(t.money.bankBalance);
}

}  // namespace game

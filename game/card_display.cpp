// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/card_display.h"

#include "game/card_name.h"

namespace game {

std::string displayCode(std::string_view code) {
  const std::string_view rank = code.substr(0, 2);
  const char court = rank == "11" ? 'J' : rank == "12" ? 'Q' : rank == "13" ? 'K' : '\0';
  if (!court) return std::string(code);
  std::string display(1, court);
  display += code.substr(2, 1);
  return display;
}

std::string cardImageFile(const Table& t, std::string_view code) {
  return t.installPath + displayCode(code) + ".BMP";
}

void showCard(Table& t, std::string_view code, std::string_view selector) {
  // Each selector's slots: the hand's card count says which slot is next.
  struct Slots {
    std::string_view selector;
    int cardCount;
    int before;  // the index of the slot before the first
  };
  for (const Slots& slots :
       {Slots{"User", t.play.firstHandCardCount, 0}, Slots{"User2", t.play.secondHandCardCount, 18},
        Slots{"Dealer", t.play.dealerCardCount, 9}}) {
    if (selector != slots.selector || slots.cardCount < 1 || slots.cardCount > 9) continue;
    Control& slot = t.Image(slots.before + slots.cardCount);
    slot.picture = cardImageFile(t, code);
    slot.accessibleName = cardName(code);
    slot.visible = true;
  }
}

}  // namespace game

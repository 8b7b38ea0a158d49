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
  const std::string file = cardImageFile(t, code);
  const auto inSlotRange = [](int count) { return count >= 1 && count <= 9; };
  if (selector == "User" && inSlotRange(t.play.firstHandCardCount)) {
    Control& slot = t.Image(t.play.firstHandCardCount);
    slot.visible = true;
    slot.picture = file;
    slot.accessibleName = cardName(code);
  }
  if (selector == "User2" && inSlotRange(t.play.secondHandCardCount)) {
    Control& slot = t.Image(18 + t.play.secondHandCardCount);
    slot.visible = true;
    slot.picture = file;
    slot.accessibleName = cardName(code);
  }
  if (selector == "Dealer" && inSlotRange(t.play.dealerCardCount)) {
    Control& slot = t.Image(9 + t.play.dealerCardCount);
    slot.picture = file;
    slot.accessibleName = cardName(code);
    slot.visible = true;
  }
}

}  // namespace game

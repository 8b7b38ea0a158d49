// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/card_name.h"

namespace game {

std::string cardName(std::string_view code) {
  static constexpr const char* kRanks[] = {"Ace",   "Two",  "Three", "Four", "Five",  "Six", "Seven",
                                           "Eight", "Nine", "Ten",   "Jack", "Queen", "King"};
  if (code.size() < 2) return {};
  const std::string_view rank = code.substr(0, code.size() - 1);
  int number = 0;
  for (const char digit : rank) {
    if (digit < '0' || digit > '9') return {};
    number = number * 10 + (digit - '0');
  }
  const char suit = code.back();
  const char* suitName = suit == 'C'   ? "Clubs"
                         : suit == 'D' ? "Diamonds"
                         : suit == 'H' ? "Hearts"
                         : suit == 'S' ? "Spades"
                                       : nullptr;
  if (number < 1 || number > 13 || rank.size() > 2 || !suitName) return {};
  return std::string(kRanks[number - 1]) + " of " + suitName;
}

}  // namespace game

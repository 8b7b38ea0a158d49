// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/hand_totals.h"

#include "platform/text_number.h"

namespace game {

HandCount countHand(const HandCards& cards, AceRule rule) {
  HandCount count;
  int aces = 0;
  for (int n = 1; n <= kDeckSize; ++n) {
    double v = cards[static_cast<std::size_t>(n)];
    if (v > 10) v = 10;
    if (v == 1) ++aces;
    count.hard += v;
  }
  // Deliberate: the dealer counts an ace as 11 only when it holds a single
  // ace, so ace, ace, nine is 11 for the dealer but 21 for the player.
  const bool qualifies = rule == AceRule::AnyAce ? aces >= 1 : aces == 1;
  count.soft = qualifies ? count.hard + 10 : 0;
  return count;
}

std::string handText(const HandCount& count) {
  std::string text = platform::signedForm(count.hard);
  if (count.soft > 0 && count.soft < 22) text += " or " + platform::signedForm(count.soft);
  return text;
}

void updateDealerTotal(Table& t) {
  t.play.dealerTotal = countHand(t.play.dealerCards, AceRule::SingleAce).counted();
}

void updateFirstHandTotal(Table& t) {
  const HandCount count = countHand(t.play.firstHandCards, AceRule::AnyAce);
  t.play.firstHandTotal = count.counted();
  t.Label5.caption = handText(count);
}

void updateSecondHandTotal(Table& t) {
  const HandCount count = countHand(t.play.secondHandCards, AceRule::AnyAce);
  t.play.secondHandTotal = count.counted();
  t.Label6.caption = handText(count);
}

}  // namespace game

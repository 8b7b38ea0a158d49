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

PlayerHand firstHand(Table& t) {
  return {t.play.firstHandCards, t.play.firstHandCardCount, t.play.firstHandTotal, t.Label5, "User"};
}

PlayerHand secondHand(Table& t) {
  return {t.play.secondHandCards, t.play.secondHandCardCount, t.play.secondHandTotal, t.Label6, "User2"};
}

void updateHandTotal(PlayerHand hand) {
  const HandCount count = countHand(hand.cards, AceRule::AnyAce);
  hand.total = count.counted();
  hand.totalLabel.caption = handText(count);
}

}  // namespace game

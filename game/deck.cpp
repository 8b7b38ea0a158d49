// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/deck.h"

#include <cmath>

#include "game/table_rules.h"
#include "platform/text_number.h"

namespace game {
namespace {

constexpr int kKeyRange = 100;
constexpr int kMaxKeyAttempts = 100000;

// A key 1..99 that no row uses yet. The row being filled is still empty and
// reads as 0, so 0 is never taken. After too many attempts the key is moved
// past the normal range and taken as it is.
int uniqueKey(Table& t) {
  int attempts = 0;
  while (true) {
    ++attempts;
    int key = static_cast<int>(std::floor(t.random.next() * kKeyRange));
    bool repeat = false;
    for (int j = 0; j < t.MSFlexGrid1.rows(); ++j) {
      if (platform::leadingNumber(t.MSFlexGrid1.textMatrix(j, 0)) == key) repeat = true;
    }
    if (attempts > kMaxKeyAttempts) return key + kKeyRange;
    if (!repeat) return key;
  }
}

}  // namespace

void shuffleDeck(Table& t) {
  DeckStore& store = t.MSFlexGrid1;
  t.random.reseedFromClock();
  store.clear();
  store.setRows(1);
  // Pass 0 fills row 0 with the empty name; that row is dropped below.
  for (int i = 0; i <= kDeckSize; ++i) {
    const int key = uniqueKey(t);
    store.setTextMatrix(i, 0, std::to_string(key));
    store.setTextMatrix(i, 1, t.deck.cardNames[static_cast<std::size_t>(i)]);
    store.addItem();
  }
  store.setRow(store.rows() - 1);
  store.removeItem(0);
  store.setRows(store.rows() - 1);
  store.setCol(0);
  store.sortAscending();
  t.deck.deckPosition = 0;
}

DrawnCard drawCard(Table& t) {
  // Row 0 of a deck is never dealt: a deck gives the 51 cards of rows 1..51.
  if (t.deck.deckPosition >= rules::kCardsDealtPerShuffle) shuffleDeck(t);
  t.deck.deckPosition += 1;
  DrawnCard card;
  card.code = t.MSFlexGrid1.textMatrix(t.deck.deckPosition, 1);
  card.rank = platform::leadingNumber(card.code);
  return card;
}

std::string lastDrawnCode(const Table& t) {
  return t.MSFlexGrid1.textMatrix(t.deck.deckPosition, 1);
}

}  // namespace game

// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/deck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "platform/text_number.h"
#include "table_fixture.h"

namespace game::testing {
namespace {

using DeckTest = TableTest;

std::vector<std::string> column(const DeckStore& store, int col) {
  std::vector<std::string> cells;
  for (int row = 0; row < store.rows(); ++row)
    cells.push_back(store.textMatrix(row, col));
  return cells;
}

TEST_F(DeckTest, ShuffleHoldsEachCardOnceUnderDistinctAscendingKeys) {
  for (int round = 0; round < 20; ++round) {
    shuffleDeck(t);
    SCOPED_TRACE(round);
    ASSERT_EQ(t.MSFlexGrid1.rows(), 52);
    std::vector<std::string> codes = column(t.MSFlexGrid1, 1);
    std::vector<std::string> expected(t.deck.cardNames.begin() + 1, t.deck.cardNames.end());
    std::sort(codes.begin(), codes.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(codes, expected);

    std::vector<double> keys;
    for (const std::string& key : column(t.MSFlexGrid1, 0))
      keys.push_back(platform::leadingNumber(key));
    EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
    EXPECT_EQ(std::set<double>(keys.begin(), keys.end()).size(), 52u);
    EXPECT_GE(keys.front(), 1);
    EXPECT_LE(keys.back(), 99);
    EXPECT_EQ(t.deck.deckPosition, 0);
  }
}

TEST_F(DeckTest, ShuffleReseedsEveryTime) {
  const int before = random.reseeds;
  shuffleDeck(t);
  shuffleDeck(t);
  EXPECT_EQ(random.reseeds, before + 2);
}

TEST_F(DeckTest, RepeatedAndZeroKeysAreDrawnAgain) {
  // Pass 0 draws 0 (taken by the empty row) and then 5; pass 1 draws 5 again
  // before 3; the rest follow in order.
  std::vector<double> values = {0.001, 0.05, 0.05, 0.03};
  for (int key = 6; key <= 56; ++key)
    values.push_back(key / 100.0 + 0.001);
  random.script(values);
  shuffleDeck(t);
  EXPECT_EQ(t.MSFlexGrid1.textMatrix(0, 0), "3");
  EXPECT_EQ(t.MSFlexGrid1.textMatrix(0, 1), "1C");
  EXPECT_EQ(t.MSFlexGrid1.textMatrix(1, 0), "6");
  EXPECT_EQ(t.MSFlexGrid1.textMatrix(1, 1), "1D");
}

TEST_F(DeckTest, KeysInTableOrderGiveTheDeckInTableOrder) {
  random.script(testing_support::keysInTableOrder());
  shuffleDeck(t);
  EXPECT_EQ(t.MSFlexGrid1.textMatrix(0, 1), "1C");
  EXPECT_EQ(t.MSFlexGrid1.textMatrix(1, 1), "1D");
  EXPECT_EQ(t.MSFlexGrid1.textMatrix(51, 1), "13S");
}

TEST_F(DeckTest, FirstDrawAfterAShuffleTakesRowOne) {
  shuffleDeck(t);
  const DrawnCard card = drawCard(t);
  EXPECT_EQ(card.code, t.MSFlexGrid1.textMatrix(1, 1));
  EXPECT_EQ(card.rank, platform::leadingNumber(card.code));
  EXPECT_EQ(t.deck.deckPosition, 1);
  EXPECT_EQ(lastDrawnCode(t), card.code);
}

TEST_F(DeckTest, ReshufflesOnlyAfterFiftyOneDraws) {
  shuffleDeck(t);
  const std::string rowZero = t.MSFlexGrid1.textMatrix(0, 1);
  std::set<std::string> drawn;
  for (int n = 1; n <= 51; ++n)
    drawn.insert(drawCard(t).code);
  EXPECT_EQ(t.deck.deckPosition, 51);
  EXPECT_EQ(drawn.size(), 51u);
  EXPECT_EQ(drawn.count(rowZero), 0u) << "the card in row 0 is never dealt";

  random.script(testing_support::keysInTableOrder());
  const DrawnCard next = drawCard(t);
  EXPECT_EQ(next.code, "1D");
  EXPECT_EQ(t.deck.deckPosition, 1);
}

TEST(DeckStoreTest, GenericSortPutsNumbersInNumericOrderBeforeTexts) {
  DeckStore store;
  store.setRows(4);
  const char* keys[] = {"10", "b", "9", "a"};
  for (int row = 0; row < 4; ++row)
    store.setTextMatrix(row, 0, keys[row]);
  store.setCol(0);
  store.sortAscending();
  EXPECT_EQ(store.textMatrix(0, 0), "9");
  EXPECT_EQ(store.textMatrix(1, 0), "10");
  EXPECT_EQ(store.textMatrix(2, 0), "a");
  EXPECT_EQ(store.textMatrix(3, 0), "b");
}

TEST(DeckStoreTest, OutOfRangeCellsReadEmptyAndIgnoreWrites) {
  DeckStore store;
  store.setTextMatrix(5, 0, "x");
  store.setTextMatrix(0, 2, "x");
  EXPECT_EQ(store.textMatrix(5, 0), "");
  EXPECT_EQ(store.textMatrix(-1, 1), "");
  EXPECT_EQ(store.rows(), 1);
}

}  // namespace
}  // namespace game::testing

// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/card_name.h"

#include <gtest/gtest.h>

#include "table_fixture.h"

namespace game::testing {
namespace {

TEST(CardNameTest, NamesRankAndSuitAndNothingForOtherCodes) {
  const std::pair<const char*, const char*> cases[] = {
      {"1C", "Ace of Clubs"},
      {"12H", "Queen of Hearts"},
      {"10S", "Ten of Spades"},
      {"13D", "King of Diamonds"},
      {"11S", "Jack of Spades"},
      {"7H", "Seven of Hearts"},
      {"14C", ""},
      {"0H", ""},
      {"1X", ""},
      {"", ""},
      {"C", ""},
      {"012C", ""},
      {"A1C", ""},
  };
  for (auto [code, name] : cases)
    EXPECT_EQ(cardName(code), name) << code;
}

class CardSlotNameTest : public TableTest {};

// A screen reader hears the cards as they lie: the hole card face down until
// the dealer turns it over.
TEST_F(CardSlotNameTest, SlotsAreNamedAsTheCardsChange) {
  deal(10, {"12C", "5H", "7D", "9S"});
  EXPECT_EQ(t.Image(10).accessibleName, "face-down card");
  EXPECT_EQ(t.Image(1).accessibleName, "Five of Hearts");
  EXPECT_EQ(t.Image(11).accessibleName, "Seven of Diamonds");
  EXPECT_EQ(t.Image(2).accessibleName, "Nine of Spades");
  t.Command4.click();  // Stand
  EXPECT_EQ(t.Image(10).accessibleName, "Queen of Clubs");
  EXPECT_EQ(t.Image(10).picture, face("QC.BMP"));
}

}  // namespace
}  // namespace game::testing

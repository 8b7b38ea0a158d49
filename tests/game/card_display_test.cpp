// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/card_display.h"

#include <gtest/gtest.h>

#include <ostream>

#include "support/row_name.h"
#include "table_fixture.h"

namespace game::testing {
namespace {

TEST(DisplayCodeTest, CourtRanksAreWrittenByLetter) {
  const std::pair<const char*, const char*> cases[] = {{"11C", "JC"}, {"12H", "QH"}, {"13S", "KS"},
                                                       {"1D", "1D"},  {"5S", "5S"},  {"10H", "10H"}};
  for (auto [code, display] : cases)
    EXPECT_EQ(displayCode(code), display) << code;
}

struct ShowCase {
  const char* name;
  const char* code;
  const char* selector;
  int count;  // the selected hand's card count
  int slot;   // 0: nothing shown
  const char* file;
  friend void PrintTo(const ShowCase& c, std::ostream* os) { *os << c.name; }
};

class ShowCardTest : public TableTest, public ::testing::WithParamInterface<ShowCase> {};

TEST_P(ShowCardTest, FillsTheSlotOfTheHandsCount) {
  const ShowCase& c = GetParam();
  t.play.firstHandCardCount = t.play.secondHandCardCount = t.play.dealerCardCount = c.count;
  showCard(t, c.code, c.selector);
  for (int n = 1; n <= 27; ++n) {
    SCOPED_TRACE(n);
    if (n == c.slot) {
      EXPECT_TRUE(t.Image(n).visible);
      EXPECT_EQ(t.Image(n).picture, face(c.file));
    } else {
      EXPECT_FALSE(t.Image(n).visible);
      EXPECT_EQ(t.Image(n).picture, "");
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Slots, ShowCardTest,
                         ::testing::Values(ShowCase{"QueenThirdFirstHandCard", "12H", "User", 3, 3, "QH.BMP"},
                                           ShowCase{"TenSecondDealerCard", "10S", "Dealer", 2, 11, "10S.BMP"},
                                           ShowCase{"AceFirstSecondHandCard", "1D", "User2", 1, 19, "1D.BMP"},
                                           ShowCase{"NinthCardShown", "5C", "User", 9, 9, "5C.BMP"},
                                           ShowCase{"TenthCardNotShown", "5C", "User", 10, 0, ""},
                                           ShowCase{"NoCountNotShown", "5C", "Dealer", 0, 0, ""},
                                           ShowCase{"SelectorIsCaseSensitive", "5C", "user", 1, 0, ""}),
                         testing_support::RowName());

}  // namespace
}  // namespace game::testing

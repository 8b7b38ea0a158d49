// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/hand_totals.h"

#include <gtest/gtest.h>

#include "support/row_name.h"

#include <ostream>

#include <vector>

namespace game {
namespace {

HandCards hand(std::vector<double> ranks) {
  HandCards cards{};
  for (std::size_t n = 0; n < ranks.size(); ++n)
    cards[n + 1] = ranks[n];
  return cards;
}

struct TotalCase {
  const char* name;
  std::vector<double> ranks;
  double playerTotal;
  const char* playerText;
  double dealerTotal;
  friend void PrintTo(const TotalCase& c, std::ostream* os) { *os << c.name; }
};

class HandTotalTest : public ::testing::TestWithParam<TotalCase> {};

TEST_P(HandTotalTest, CountsPlayerAndDealerHands) {
  const TotalCase& c = GetParam();
  const HandCount player = countHand(hand(c.ranks), AceRule::AnyAce);
  EXPECT_EQ(player.counted(), c.playerTotal);
  EXPECT_EQ(handText(player), c.playerText);
  EXPECT_EQ(countHand(hand(c.ranks), AceRule::SingleAce).counted(), c.dealerTotal);
}

INSTANTIATE_TEST_SUITE_P(Hands, HandTotalTest,
                         ::testing::Values(TotalCase{"AceSix", {1, 6}, 17, " 7 or  17", 17},
                                           TotalCase{"AceAce", {1, 1}, 12, " 2 or  12", 2},
                                           TotalCase{"AceAceNine", {1, 1, 9}, 21, " 11 or  21", 11},
                                           TotalCase{"AceSixNine", {1, 6, 9}, 16, " 16", 16},
                                           TotalCase{"AceKing", {1, 13}, 21, " 11 or  21", 21},
                                           TotalCase{"KingQueen", {13, 12}, 20, " 20", 20},
                                           TotalCase{"JackQueenKing", {11, 12, 13}, 30, " 30", 30},
                                           TotalCase{"AceAceFive", {1, 1, 5}, 17, " 7 or  17", 7},
                                           TotalCase{"NoCards", {}, 0, " 0", 0}),
                         testing_support::RowName());

TEST(HandTotalTest, CardsAtTheFarEndOfTheHandCount) {
  HandCards cards{};
  cards[52] = 13;
  EXPECT_EQ(countHand(cards, AceRule::AnyAce).counted(), 10);
}

}  // namespace
}  // namespace game

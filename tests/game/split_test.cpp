// SPDX-License-Identifier: GPL-3.0-or-later
// Splitting a pair and playing both hands through the table's buttons. The
// deck is stacked: hole card, player, up card, player, then the first new
// hand's card, the second new hand's card, then later draws.

#include <gtest/gtest.h>

#include <ostream>

#include "support/row_name.h"
#include "table_fixture.h"

namespace game::testing {
namespace {

using SplitTest = TableTest;

TEST_F(SplitTest, TheBankMustCoverBothStakes) {
  t.money.bankBalance = 100;
  deal(60, {"10C", "8S", "7D", "8H", "13S", "2C"});
  t.Command14.click();
  EXPECT_FALSE(t.play.isSplit);
  EXPECT_EQ(t.height, 7515);
  EXPECT_EQ(t.deck.deckPosition, 4);

  t.Command4.click();
  t.money.bankBalance = 100;
  deal(50, {"10C", "8S", "7D", "8H", "13S", "2C"});
  t.Command14.click();
  EXPECT_TRUE(t.play.isSplit);
}

TEST_F(SplitTest, APairPlaysAsTwoHandsSettledApart) {
  deal(10, {"10C", "8S", "7D", "8H", "13S", "2C", "9D"});
  t.Command14.click();
  EXPECT_EQ(t.height, 9090);
  EXPECT_EQ(picture(19), face("8H.BMP")) << "the second card moves to the new hand";
  EXPECT_EQ(picture(2), face("KS.BMP"));
  EXPECT_EQ(picture(20), face("2C.BMP"));
  EXPECT_TRUE(t.Image(19).visible);
  EXPECT_TRUE(t.Image(20).visible);
  EXPECT_FALSE(t.Image(21).visible);
  EXPECT_EQ(t.Label5.caption, " 18");
  EXPECT_EQ(t.Label6.caption, " 10");
  EXPECT_EQ(t.Label8.caption, "10");
  EXPECT_TRUE(t.Label3.visible);
  EXPECT_TRUE(t.Shape1.visible);
  EXPECT_FALSE(t.Command14.enabled);
  EXPECT_EQ(t.icon, face("MISC36.ICO"));

  t.Command4.click();
  EXPECT_EQ(t.play.activeHand, 2);
  EXPECT_FALSE(t.Shape1.visible);
  EXPECT_TRUE(t.Shape2.visible);
  EXPECT_TRUE(t.Command3.enabled);
  EXPECT_TRUE(t.Command11.enabled) << "the second hand may double down";

  t.Command3.click();
  EXPECT_EQ(picture(21), face("9D.BMP"));
  t.Command4.click();
  EXPECT_EQ(t.money.bankBalance, 3020);
  EXPECT_EQ(t.Label13.caption, "You Win  20");
  for (Control* sign : {&t.Label20, &t.Label21})
    EXPECT_EQ(sign->caption, "+") << sign->name;
  for (Control* sign : {&t.Label19, &t.Label22})
    EXPECT_EQ(sign->caption, "-") << sign->name;
  EXPECT_TRUE(t.Label21.visible);
  EXPECT_TRUE(t.Label22.visible);

  deal(10, {"10C", "9D", "7H", "5S"});
  EXPECT_EQ(t.height, 7515) << "the next deal shrinks the window again";
  EXPECT_FALSE(t.Image(19).visible);
}

TEST_F(SplitTest, SplitAcesThatMakeTwentyOneCountAsNaturals) {
  deal(10, {"10C", "1S", "7D", "1H", "13H", "9C"});
  t.Command14.click();
  EXPECT_EQ(t.play.activeHand, 2) << "21 on the new first hand passes play on at once";
  EXPECT_TRUE(t.Shape2.visible);
  t.Command4.click();
  EXPECT_EQ(t.money.bankBalance, 3000 + 15 + 10);
  EXPECT_EQ(t.Label13.caption, "You Win  25 with Tavorin");
}

TEST_F(SplitTest, TwoHandsOfTwentyOneLetTheDealerPlayAtOnce) {
  deal(10, {"10C", "1S", "7D", "1H", "13H", "12C"});
  t.Command14.click();
  EXPECT_TRUE(t.Command1.enabled) << "settled inside the split";
  EXPECT_EQ(t.money.bankBalance, 3030);
}

TEST_F(SplitTest, AReshuffleBetweenTheTwoNewCardsCountsTheCardShown) {
  stack({});
  const char* dealt[] = {"10C", "8S", "7D", "8H", "13S"};
  for (int i = 0; i < 5; ++i)
    t.MSFlexGrid1.setTextMatrix(47 + i, 1, dealt[i]);
  t.deck.deckPosition = 46;
  typeBet("10");
  t.Command1.click();
  EXPECT_EQ(t.deck.deckPosition, 50);
  random.script(testing_support::keysInTableOrder());
  t.Command14.click();
  EXPECT_EQ(picture(19), face("8H.BMP"));
  EXPECT_EQ(picture(2), face("KS.BMP"));
  EXPECT_EQ(picture(20), face("1D.BMP")) << "row 1 of the new deck";
  EXPECT_EQ(t.play.secondHandTotal, 19);
  EXPECT_EQ(t.play.firstHandTotal, 18);
  EXPECT_EQ(t.deck.deckPosition, 1);
}

TEST_F(SplitTest, SurrenderOfTheFirstHandIsChargedAtTheSettlement) {
  deal(10, {"10C", "8S", "7D", "8H", "13S", "2C", "9D"});
  t.Command14.click();
  t.Command13.click();
  EXPECT_TRUE(t.play.firstHandSurrendered);
  EXPECT_TRUE(t.Shape2.visible);
  EXPECT_EQ(t.money.bankBalance, 3000);
  t.Command3.click();
  t.Command4.click();
  EXPECT_EQ(t.money.bankBalance, 3000 - 5 + 10);
  EXPECT_EQ(t.Label20.caption, "S");
  EXPECT_EQ(t.Label19.caption, "+");
}

TEST_F(SplitTest, SurrenderOfTheSecondHandSettlesWithoutADealerDraw) {
  // A double down of the first hand hands play on with Surrender enabled.
  deal(10, {"10C", "8S", "2D", "8H", "13S", "2C", "1C"});
  t.Command14.click();
  t.Command11.click();
  t.Command2.click();
  EXPECT_EQ(t.play.activeHand, 2);
  EXPECT_TRUE(t.Command13.enabled);
  t.Command13.click();
  EXPECT_EQ(visibleDealerSlots(), 2);
  EXPECT_EQ(picture(10), face("10C.BMP"));
  EXPECT_EQ(t.money.bankBalance, 3000 + 10 - 5) << "19 against the dealer's two-card 12, and half the bet";
  EXPECT_EQ(t.Label21.caption, "S");
  EXPECT_TRUE(t.Command1.enabled);
}

struct StakeCase {
  const char* name;
  const char* bet;
  double secondStake;
  friend void PrintTo(const StakeCase& c, std::ostream* os) { *os << c.name; }
};

class SplitStakeTest : public TableTest, public ::testing::WithParamInterface<StakeCase> {};

TEST_P(SplitStakeTest, SecondStakeIsTheBetRoundedHalfToEven) {
  t.money.bankBalance = 1e13;
  deal(platform::leadingNumber(GetParam().bet), {"10C", "8S", "7D", "8H", "13S", "12C"});
  t.Command14.click();
  ASSERT_TRUE(t.play.isSplit);
  EXPECT_EQ(t.stakes.secondHandBet, GetParam().secondStake);
  EXPECT_EQ(t.Label8.caption, platform::plainForm(GetParam().secondStake));
  t.Command4.click();
  t.Command4.click();
  EXPECT_EQ(t.money.bankBalance, 1e13 + t.stakes.handBet + GetParam().secondStake) << "two 18s against 17";
}

INSTANTIATE_TEST_SUITE_P(Stakes, SplitStakeTest,
                         ::testing::Values(StakeCase{"Whole", "10", 10}, StakeCase{"HalfDown", "2.5", 2},
                                           StakeCase{"HalfUp", "3.5", 4}, StakeCase{"Fraction", "7.25", 7},
                                           StakeCase{"BeyondSixteenBits", "40000", 40000},
                                           StakeCase{"Huge", "1000000000000", 1e12}),
                         testing_support::RowName());

}  // namespace
}  // namespace game::testing

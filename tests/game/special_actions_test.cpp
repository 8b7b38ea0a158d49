// SPDX-License-Identifier: GPL-3.0-or-later
// Double down, insurance and surrender through the table's buttons, with a
// stacked deck: hole card, player, up card, player, then later draws.

#include <gtest/gtest.h>

#include "table_fixture.h"

namespace game::testing {
namespace {

using SpecialActionTest = TableTest;

TEST_F(SpecialActionTest, DoubleDownUpToTwiceTheBet) {
  deal(10, {"10C", "5D", "8H", "6S", "13S"});
  t.Command11.click();
  EXPECT_EQ(t.Label16.caption, "D-D");
  EXPECT_EQ(t.Label13.caption, "Limit is  20");
  EXPECT_TRUE(t.Label13.visible);
  EXPECT_TRUE(t.Command2.visible);
  for (Control* chip : t.chips())
    EXPECT_TRUE(chip->enabled);
  for (Control* off : {&t.Command1, &t.Command3, &t.Command4, &t.Command11, &t.Command13, &t.Command14}) {
    EXPECT_FALSE(off->enabled) << off->name;
  }

  typeBet("25");
  t.Command2.click();
  EXPECT_EQ(t.Label16.caption, "D-D") << "25 is more than twice the bet";
  EXPECT_EQ(t.play.firstHandCardCount, 2);

  typeBet("20");
  t.Command2.click();
  EXPECT_EQ(t.Label16.caption, "Bet");
  EXPECT_FALSE(t.Command2.visible);
  EXPECT_EQ(t.Label7.caption, "20");
  EXPECT_EQ(t.play.firstHandCardCount, 3) << "exactly one card";
  EXPECT_EQ(t.Label13.caption, "You Win  20") << "21 against the dealer's 18, stake 20";
  EXPECT_EQ(t.money.bankBalance, 3020);
}

TEST_F(SpecialActionTest, DoubleDownBeyondTheBankIsRefused) {
  t.money.bankBalance = 15;
  deal(10, {"10C", "5D", "8H", "6S", "13S"});
  t.Command11.click();
  typeBet("20");
  t.Command2.click();
  EXPECT_EQ(t.Label16.caption, "D-D");
  typeBet("15");
  t.Command2.click();
  EXPECT_EQ(t.Label16.caption, "Bet");
  EXPECT_EQ(t.stakes.handBet, 15);
}

TEST_F(SpecialActionTest, DoubleDownIntoABustSettlesAtOnce) {
  deal(10, {"10C", "10D", "6H", "5S", "13S", "4C"});
  t.Command11.click();
  typeBet("20");
  t.Command2.click();
  EXPECT_EQ(visibleDealerSlots(), 2) << "the dealer draws nothing";
  EXPECT_EQ(t.deck.deckPosition, 5);
  EXPECT_EQ(t.money.bankBalance, 2980);
  EXPECT_EQ(t.Label13.caption, "You Lose  20");
}

TEST_F(SpecialActionTest, DoubleDownNeverLowersTheStake) {
  deal(10, {"10C", "10D", "8H", "5S", "4C"});
  t.Command11.click();
  for (const char* lower : {"0", "9.5", "-10"}) {
    SCOPED_TRACE(lower);
    typeBet(lower);
    t.Command2.click();
    EXPECT_EQ(t.Label16.caption, "D-D");
    EXPECT_EQ(t.stakes.handBet, 10);
    EXPECT_EQ(t.play.firstHandCardCount, 2);
  }
  typeBet("10");
  t.Command2.click();
  EXPECT_EQ(t.Label16.caption, "Bet") << "the same stake is a double down of nothing more";
  EXPECT_EQ(t.Label13.caption, "You Win  10") << "19 against 18";
}

TEST_F(SpecialActionTest, DoubleDownOrInsuranceOnTwentyOneSettlesAtOnce) {
  for (Control* button : {&t.Command11, &t.Command12}) {
    SCOPED_TRACE(button->name);
    deal(10, {"9C", "1S", "1D", "13H"});
    button->click();
    EXPECT_EQ(t.Label16.caption, "Bet");
    EXPECT_FALSE(t.Command2.visible);
    EXPECT_EQ(t.Label13.caption, "You Win  15 with Tavorin");
    EXPECT_EQ(t.deck.deckPosition, 4) << "the dealer draws nothing";
  }
}

TEST_F(SpecialActionTest, InsuranceUpToHalfTheBet) {
  deal(10, {"13C", "10D", "1H", "8S"});
  t.Command12.click();
  EXPECT_EQ(t.Label16.caption, "Ins");
  EXPECT_EQ(t.Text1.text(), "5");
  EXPECT_EQ(t.entry.bet, 5);
  EXPECT_EQ(t.Label13.caption, "Limit is 5");
  EXPECT_FALSE(t.Command12.visible);

  typeBet("6");
  t.Command2.click();
  EXPECT_EQ(t.Label16.caption, "Ins");
  EXPECT_EQ(t.stakes.insuranceBet, 0);

  typeBet("5");
  t.Command2.click();
  EXPECT_EQ(t.Label16.caption, "Bet");
  EXPECT_EQ(t.stakes.insuranceBet, 5);
  EXPECT_EQ(t.entry.bet, 10);
  EXPECT_EQ(t.Text1.text(), "10");
  for (Control* chip : t.chips())
    EXPECT_FALSE(chip->enabled);
  for (Control* on : {&t.Command3, &t.Command4, &t.Command11})
    EXPECT_TRUE(on->enabled) << on->name;
  EXPECT_FALSE(t.Command13.enabled);
  EXPECT_FALSE(t.Command1.enabled) << "the deal on the table goes on";

  // The dealer's ten under the ace is a natural: the stake is lost, the
  // insurance pays twice.
  t.Command4.click();
  EXPECT_EQ(t.money.bankBalance, 3000 - 10 + 10);
  EXPECT_EQ(t.Label23.caption, "Insurance Paid  10");
  EXPECT_TRUE(t.Label23.visible);
}

TEST_F(SpecialActionTest, SurrenderOfASingleHandCostsHalfTheBet) {
  deal(15, {"10C", "10D", "6H", "6S"});
  t.Command13.click();
  EXPECT_EQ(t.money.bankBalance, 2993);
  EXPECT_EQ(t.Label13.caption, "Surrender, You Lose  7");
  EXPECT_TRUE(t.Label13.visible);
  EXPECT_EQ(t.Label14.caption, "2993");
  EXPECT_EQ(picture(10), face("back.BMP")) << "no settlement turns the hole card";
  EXPECT_FALSE(t.Label19.visible);
  EXPECT_FALSE(t.Label4.visible);
  EXPECT_TRUE(t.Image(1).visible) << "the cards stay on the table";
  EXPECT_TRUE(t.Command1.enabled);
  for (Control* chip : t.chips())
    EXPECT_TRUE(chip->enabled);
  for (Control* off : {&t.Command3, &t.Command4, &t.Command11, &t.Command13, &t.Command14}) {
    EXPECT_FALSE(off->enabled) << off->name;
  }
  EXPECT_EQ(t.entry.bet, 0);
  EXPECT_EQ(t.Text1.text(), "0");
}

}  // namespace
}  // namespace game::testing

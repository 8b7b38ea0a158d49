// SPDX-License-Identifier: GPL-3.0-or-later
// The stakes on the table come from the hands, never from the bet box, which
// stays live during a deal: whatever is typed there after the deal, each way
// of changing a stake moves the bank by the sound amount only.

#include "game/stakes.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "support/row_name.h"
#include "table_fixture.h"

namespace game::testing {
namespace {

struct Typed {
  const char* name;
  const char* text;
  friend void PrintTo(const Typed& c, std::ostream* os) { *os << c.name; }
};

class HostileBoxTest : public TableTest, public ::testing::WithParamInterface<Typed> {
 protected:
  void typeHostile() { typeBet(GetParam().text); }
};

TEST_P(HostileBoxTest, SurrenderCostsHalfTheHandsStake) {
  deal(10, {"10C", "10D", "6H", "6S"});
  typeHostile();
  t.Command13.click();
  EXPECT_EQ(t.money.bankBalance, 2995);
  EXPECT_EQ(t.Label13.caption, "Surrender, You Lose  5");
}

TEST_P(HostileBoxTest, SurrenderOfBothSplitHandsCostsHalfOfEachStake) {
  deal(10, {"10C", "8S", "7D", "8H", "13S", "2C"});
  t.Command14.click();
  typeHostile();
  t.Command13.click();
  t.Command13.click();
  EXPECT_EQ(t.money.bankBalance, 2990);
  EXPECT_EQ(t.Label13.caption, "You Lose  10");
}

TEST_P(HostileBoxTest, DoubleDownIsLimitedByTheHandsStake) {
  deal(10, {"10C", "5D", "8H", "6S", "13S"});
  typeHostile();
  t.Command11.click();
  EXPECT_EQ(t.Label13.caption, "Limit is  20");
  t.Command2.click();
  EXPECT_EQ(t.Label16.caption, "D-D") << "the box's amount is no double down of 10";
  typeBet("20");
  t.Command2.click();
  EXPECT_EQ(t.Label13.caption, "You Win  20");
  EXPECT_EQ(t.money.bankBalance, 3020);
}

TEST_P(HostileBoxTest, SplitGivesTheSecondHandTheFirstHandsStake) {
  deal(10, {"10C", "8S", "7D", "8H", "13S", "2C", "9D"});
  typeHostile();
  t.Command14.click();
  EXPECT_EQ(t.stakes.secondHandBet, 10);
  EXPECT_EQ(t.Label8.caption, "10");
  t.Command4.click();
  t.Command3.click();
  t.Command4.click();
  EXPECT_EQ(t.money.bankBalance, 3020);
}

TEST_P(HostileBoxTest, InsuranceOffersHalfTheHandsStake) {
  deal(10, {"13C", "10D", "1H", "8S"});
  typeHostile();
  t.Command12.click();
  EXPECT_EQ(t.Text1.text(), "5");
  EXPECT_EQ(t.Label13.caption, "Limit is 5");
  t.Command2.click();
  EXPECT_EQ(t.stakes.insuranceBet, 5);
  t.Command4.click();
  EXPECT_EQ(t.money.bankBalance, 3000 - 10 + 10);
}

INSTANTIATE_TEST_SUITE_P(Texts, HostileBoxTest,
                         ::testing::Values(Typed{"Negative", "-1000"}, Typed{"Huge", "99999999999999999"},
                                           Typed{"Exponent", "1E+300"}, Typed{"Fraction", "0.25"},
                                           Typed{"Letters", "abc"}, Typed{"Empty", ""}),
                         testing_support::RowName());

using StakeCoverTest = TableTest;

TEST_F(StakeCoverTest, InsuranceMustBeCoveredBesideTheStake) {
  t.money.bankBalance = 100;
  deal(100, {"13C", "10D", "1H", "8S"});
  t.Command12.click();
  EXPECT_EQ(t.Text1.text(), "50");
  for (const char* refused : {"50", "1", "-50"}) {
    SCOPED_TRACE(refused);
    typeBet(refused);
    t.Command2.click();
    EXPECT_EQ(t.Label16.caption, "Ins");
    EXPECT_EQ(t.stakes.insuranceBet, 0);
  }
  typeBet("0");
  t.Command2.click();
  EXPECT_EQ(t.Label16.caption, "Bet") << "no insurance";
  t.Command4.click();
  EXPECT_EQ(t.money.bankBalance, 0) << "the stake lost to the natural, nothing more";
}

TEST_F(StakeCoverTest, SplitAfterInsuranceCoversTheInsuranceOfBothHands) {
  for (const double bank : {30.0, 29.0}) {
    SCOPED_TRACE(bank);
    t.money.bankBalance = bank;
    deal(10, {"13C", "8S", "1D", "8H", "13S", "2C"});
    t.Command12.click();
    t.Command2.click();
    ASSERT_EQ(t.stakes.insuranceBet, 5);
    t.Command14.click();
    EXPECT_EQ(t.play.isSplit, bank == 30) << "10 and 10 staked, 5 insured on each";
    for (int stand = 0; stand < 2 && t.play.dealInPlay; ++stand)
      t.Command4.click();
    ASSERT_FALSE(t.play.dealInPlay);
  }
}

TEST_F(StakeCoverTest, DoubleDownOfASplitHandIsCoveredBesideTheOther) {
  t.money.bankBalance = 25;
  deal(10, {"10C", "8S", "7D", "8H", "3S", "2C", "9D"});
  t.Command14.click();
  t.Command11.click();
  EXPECT_EQ(t.Label13.caption, "Limit is  20");
  typeBet("20");
  t.Command2.click();
  EXPECT_EQ(t.Label16.caption, "D-D") << "20 and the second hand's 10 are more than 25";
  typeBet("15");
  t.Command2.click();
  EXPECT_EQ(t.Label16.caption, "Bet");
  EXPECT_EQ(t.stakes.handBet, 15);
  EXPECT_EQ(stakesAtRisk(t), 25);
}

TEST_F(StakeCoverTest, APaymentDuringADealLeavesTheStakesCovered) {
  t.money.bankBalance = 100;
  t.money.debt = 500;
  t.mnuItemPayDebt.enabled = true;
  deal(60, {"10C", "5D", "8H", "6S"});
  t.mnuItemPayDebt.click();
  typeBet("50");
  t.Command2.click();
  EXPECT_EQ(t.Label16.caption, "Pay") << "40 would be left for a stake of 60";
  typeBet("40");
  t.Command2.click();
  EXPECT_EQ(t.Label16.caption, "Bet");
  EXPECT_EQ(t.money.bankBalance, 60);
}

TEST_F(StakeCoverTest, ABankBelowZeroAfterADealIsOfferedTheLoan) {
  // An old player file may hold more stakes than bank; the table must not
  // become a dead end.
  deal(10, {"10C", "10D", "9H", "7S"});
  t.money.bankBalance = 5;
  t.Command4.click();
  EXPECT_EQ(t.money.bankBalance, -5);
  EXPECT_TRUE(t.mnuItemAddBalance.enabled);
  t.mnuItemAddBalance.click();
  typeBet("100");
  t.Command2.click();
  EXPECT_EQ(t.money.bankBalance, 95);
  deal(10, {"10C", "10D", "9H", "7S"});
  EXPECT_TRUE(t.play.dealInPlay);
}

}  // namespace
}  // namespace game::testing

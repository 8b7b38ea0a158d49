// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/settlement.h"

#include <gtest/gtest.h>

#include "game/hand_totals.h"
#include "table_fixture.h"

namespace game::testing {
namespace {

TEST(HandResultTest, FollowsTheResultTable) {
  struct Case {
    double hand, dealer;
    HandResult result;
  } const cases[] = {
      {20, 18, HandResult::User}, {18, 18, HandResult::Draw},   {15, 20, HandResult::Dealer},
      {12, 26, HandResult::User}, {25, 20, HandResult::Dealer}, {25, 26, HandResult::Draw},
      {21, 21, HandResult::Draw},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(handResult(c.hand, c.dealer), c.result) << c.hand << " against " << c.dealer;
  }
}

// A table in the middle of a deal, arranged by hand: the dealer's cards and
// the player's hands as the test gives them.
class SettlementTest : public TableTest {
 protected:
  static void give(HandCards& cards, int& count, std::initializer_list<double> ranks) {
    count = 0;
    for (double rank : ranks)
      cards[static_cast<std::size_t>(++count)] = rank;
  }
  void arrange(std::initializer_list<double> dealer, std::initializer_list<double> first, double stake) {
    t.Label13.caption = "";
    give(t.play.dealerCards, t.play.dealerCardCount, dealer);
    give(t.play.firstHandCards, t.play.firstHandCardCount, first);
    t.stakes.handBet = stake;
    t.entry.bet = stake;
    t.play.holeCardCode = "10C";
    updateTotals();
  }
  void split(std::initializer_list<double> second, double stake) {
    t.play.isSplit = true;
    give(t.play.secondHandCards, t.play.secondHandCardCount, second);
    t.stakes.secondHandBet = stake;
    updateTotals();
  }
  void updateTotals() {
    t.play.dealerTotal = countHand(t.play.dealerCards, AceRule::SingleAce).counted();
    t.play.firstHandTotal = countHand(t.play.firstHandCards, AceRule::AnyAce).counted();
    t.play.secondHandTotal = countHand(t.play.secondHandCards, AceRule::AnyAce).counted();
  }
};

TEST_F(SettlementTest, DealerNaturalPaysInsuranceOnASingleHand) {
  arrange({10, 1}, {10, 9}, 10);
  t.stakes.insuranceBet = 5;
  settleDeal(t);
  EXPECT_EQ(t.money.bankBalance, 3000 - 10 + 10);
  EXPECT_TRUE(t.Label23.visible);
  EXPECT_EQ(t.Label23.caption, "Insurance Paid  10");
  EXPECT_EQ(t.stakes.insuranceBet, 0);
}

TEST_F(SettlementTest, NoDealerNaturalChargesInsurance) {
  arrange({10, 1, 5}, {10, 9}, 10);
  t.stakes.insuranceBet = 5;
  settleDeal(t);
  EXPECT_EQ(t.money.bankBalance, 3000 + 10 - 5);
  EXPECT_EQ(t.Label23.caption, "Insurance Cost  5");
  EXPECT_EQ(t.Label13.caption, "You Win  5");
}

TEST_F(SettlementTest, SplitHandsCountTheInsuranceOncePerHand) {
  arrange({10, 1}, {8, 10}, 10);
  split({8, 9}, 10);
  t.stakes.insuranceBet = 5;
  settleDeal(t);
  EXPECT_EQ(t.money.bankBalance, 3000 - 10 - 10 + 10 + 10);
  EXPECT_EQ(t.Label23.caption, "Insurance Paid  20");
}

TEST_F(SettlementTest, BustHandAgainstBustDealerIsAPush) {
  arrange({10, 6, 10}, {8, 10, 5}, 10);
  split({8, 9}, 10);
  settleDeal(t);
  EXPECT_EQ(t.Label20.caption, "T");
  EXPECT_EQ(t.Label19.caption, "T");
  EXPECT_EQ(t.Label21.caption, "+");
  EXPECT_EQ(t.Label22.caption, "-");
  EXPECT_TRUE(t.Label21.visible);
  EXPECT_TRUE(t.Label22.visible);
  EXPECT_EQ(t.money.bankBalance, 3010);
}

TEST_F(SettlementTest, SurrenderedFirstHandCostsHalfTheBetAndSkipsItsInsurance) {
  arrange({10, 1, 8}, {10, 6}, 10);
  split({10, 9}, 10);
  t.play.firstHandSurrendered = true;
  t.stakes.handBet = 9;
  t.entry.bet = -1000;  // typed into the box after the deal: it must not count
  t.stakes.insuranceBet = 2;
  settleDeal(t);
  // First hand: floor(9 / 2) = 4. Second hand: 19 against 19 is a push, and
  // its own insurance step charges 2.
  EXPECT_EQ(t.money.bankBalance, 3000 - 4 - 2);
  EXPECT_EQ(t.Label20.caption, "S");
  EXPECT_EQ(t.Label19.caption, "+");
  EXPECT_EQ(t.Label23.caption, "Insurance Cost  4");
}

TEST_F(SettlementTest, TurnsTheHoleCardOverAndShowsFinalTotals) {
  arrange({1, 6}, {1, 5, 13}, 10);
  settleDeal(t);
  EXPECT_EQ(t.play.dealerCardCount, 1);
  EXPECT_EQ(t.Image(10).picture, face("10C.BMP"));
  EXPECT_TRUE(t.Image(10).visible);
  EXPECT_EQ(t.Label4.caption, "17");
  EXPECT_EQ(t.Label5.caption, "16");
  EXPECT_EQ(t.Label6.caption, "0");
}

TEST_F(SettlementTest, EndOfDealMenuRules) {
  struct Case {
    double bank, debt;
    bool addBefore, payBefore, addAfter, payAfter;
  } const cases[] = {
      {0, 0, false, true, true, false},      {0, 500, false, true, true, false},
      {100, 500, false, false, false, true}, {100, 0, false, false, false, false},
      {-10, 500, false, true, true, false},  {-10, 500, true, false, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "bank " << c.bank << ", debt " << c.debt);
    t.money.bankBalance = c.bank;
    t.money.debt = c.debt;
    t.mnuItemAddBalance.enabled = c.addBefore;
    t.mnuItemPayDebt.enabled = c.payBefore;
    applyEndOfDealMenuRules(t);
    EXPECT_EQ(t.mnuItemAddBalance.enabled, c.addAfter);
    EXPECT_EQ(t.mnuItemPayDebt.enabled, c.payAfter);
  }
}

}  // namespace
}  // namespace game::testing

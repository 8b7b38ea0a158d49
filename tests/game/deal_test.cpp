// SPDX-License-Identifier: GPL-3.0-or-later
// Whole deals through the table's buttons with a stacked deck. Cards are
// drawn hole card, player, up card, player, then hits, then the dealer.

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

#include "support/row_name.h"
#include "table_fixture.h"

namespace game::testing {
namespace {

using DealTest = TableTest;

TEST_F(DealTest, DealsTwoCardsEachWithTheHoleCardFaceDown) {
  deal(25, {"10C", "9D", "7H", "5S"});
  EXPECT_EQ(picture(10), face("back.BMP"));
  EXPECT_EQ(picture(11), face("7H.BMP"));
  EXPECT_EQ(picture(1), face("9D.BMP"));
  EXPECT_EQ(picture(2), face("5S.BMP"));
  EXPECT_EQ(t.play.holeCardCode, "10C");
  EXPECT_EQ(t.play.dealerTotal, 17);
  EXPECT_EQ(t.play.firstHandTotal, 14);
  EXPECT_EQ(t.Label5.caption, " 14");
  EXPECT_EQ(t.Label7.caption, "25");
  EXPECT_EQ(t.stakes.handBet, 25);
  EXPECT_FALSE(t.Label4.visible) << "the dealer's total stays hidden during the player's turn";
  EXPECT_TRUE(t.Shape1.visible);
  EXPECT_TRUE(t.Line1.visible);
  EXPECT_FALSE(t.Command1.enabled);
  for (Control* chip : t.chips())
    EXPECT_FALSE(chip->enabled);
  for (Control* on : {&t.Command3, &t.Command4, &t.Command11, &t.Command13})
    EXPECT_TRUE(on->enabled) << on->name;
  EXPECT_FALSE(t.Command14.enabled);
  EXPECT_FALSE(t.Command12.visible);
  EXPECT_EQ(t.icon, face("MISC34.ICO"));
  EXPECT_EQ(t.money.bankBalance, 3000) << "the deal itself moves no money";
}

TEST_F(DealTest, OutOfRangeBetChangesNothing) {
  deal(10, {"10C", "9D", "7H", "5S"});
  t.Command4.click();
  for (const char* refused : {"0", "3001", "-5"}) {
    SCOPED_TRACE(refused);
    typeBet(refused);
    const auto before = tableState();
    t.Command1.click();
    EXPECT_EQ(tableState(), before);
  }
}

TEST_F(DealTest, BetOfTheWholeBankIsDealt) {
  deal(3000, {"10C", "9D", "7H", "5S"});
  EXPECT_EQ(t.stakes.handBet, 3000);
  EXPECT_FALSE(t.Command1.enabled);
}

TEST_F(DealTest, NaturalPaysOneAndAHalfRoundedDown) {
  deal(5, {"10C", "1S", "9D", "13H"});
  EXPECT_EQ(t.money.bankBalance, 3007);
  EXPECT_EQ(t.Label13.caption, "You Win  7 with Tavorin");
  EXPECT_EQ(t.Label20.caption, "+");
  EXPECT_EQ(t.Label19.caption, "-");
  EXPECT_EQ(t.Label23.caption, "Insurance Cost  0");
  EXPECT_FALSE(t.Label23.visible);
  EXPECT_TRUE(t.Command1.enabled) << "the natural is settled inside the deal";
  EXPECT_EQ(picture(10), face("10C.BMP"));
}

TEST_F(DealTest, NaturalUnderADealerAceWaitsForThePlayer) {
  deal(10, {"9C", "1S", "1D", "13H"});
  EXPECT_TRUE(t.Command12.visible);
  EXPECT_FALSE(t.Command1.enabled);
  EXPECT_EQ(t.money.bankBalance, 3000);

  // A Hit on a two-card 21 takes no card and lets the dealer play.
  t.Command3.click();
  EXPECT_EQ(t.play.firstHandCardCount, 2);
  EXPECT_EQ(t.deck.deckPosition, 4);
  EXPECT_EQ(t.Label13.caption, "You Win  15 with Tavorin");
}

TEST_F(DealTest, SplitIsOfferedForTheSameRankOnly) {
  deal(10, {"10C", "8S", "7D", "8H"});
  EXPECT_TRUE(t.Command14.enabled);
  t.Command4.click();
  deal(10, {"10C", "13S", "7D", "12H"});
  EXPECT_FALSE(t.Command14.enabled);
}

TEST_F(DealTest, BustIsSettledAtOnceWithoutADealerDraw) {
  deal(10, {"10C", "10D", "6H", "5S", "13S", "4C"});
  t.Command3.click();
  EXPECT_EQ(t.deck.deckPosition, 5);
  EXPECT_EQ(visibleDealerSlots(), 2);
  EXPECT_EQ(picture(10), face("10C.BMP")) << "the hole card is turned over";
  EXPECT_EQ(t.Label4.caption, "16");
  EXPECT_EQ(t.Label5.caption, "25");
  EXPECT_EQ(t.money.bankBalance, 2990);
  EXPECT_EQ(t.Label13.caption, "You Lose  10");
  EXPECT_EQ(t.Label14.caption, "2990");
  EXPECT_EQ(t.Label20.caption, "-");
  EXPECT_EQ(t.Label19.caption, "+");
  EXPECT_EQ(t.icon, face("MISC37.ICO"));
}

TEST_F(DealTest, HitToExactlyTwentyOneEndsTheHand) {
  deal(10, {"10C", "5D", "8H", "6S", "13S", "2C"});
  t.Command3.click();
  EXPECT_FALSE(t.Command3.enabled);
  EXPECT_EQ(t.play.firstHandTotal, 21);
  EXPECT_EQ(t.play.dealerTotal, 18);
  EXPECT_EQ(t.Label13.caption, "You Win  10") << "a three-card 21 pays the stake, no bonus";
}

TEST_F(DealTest, HitBelowTwentyOneKeepsTheHandInPlay) {
  deal(10, {"10C", "5D", "1D", "6S", "2S"});
  t.Command3.click();
  EXPECT_TRUE(t.Command3.enabled);
  EXPECT_TRUE(t.Command4.enabled);
  EXPECT_FALSE(t.Command11.enabled);
  EXPECT_FALSE(t.Command12.visible) << "insurance is only offered before the first action";
  EXPECT_FALSE(t.Command13.enabled);
  EXPECT_FALSE(t.Command14.enabled);
  EXPECT_EQ(t.icon, face("MISC35.ICO"));
  EXPECT_EQ(picture(3), face("2S.BMP"));
  EXPECT_EQ(t.Label5.caption, " 13");
}

TEST_F(DealTest, DealerWithTwoAcesCountsThemAsOneEach) {
  deal(10, {"1C", "10D", "1H", "8S", "5C", "13D", "9S"});
  t.Command4.click();
  EXPECT_EQ(t.play.dealerCardCount, 1) << "the settlement turns the hole card in slot 1";
  EXPECT_EQ(picture(12), face("5C.BMP"));
  EXPECT_EQ(picture(13), face("KD.BMP"));
  EXPECT_FALSE(t.Image(14).visible);
  EXPECT_EQ(t.Label4.caption, "17");
  EXPECT_EQ(t.money.bankBalance, 3010);
}

TEST_F(DealTest, DealerStandsOnSoftSeventeenAndDrawsOnSixteen) {
  deal(10, {"1C", "10D", "6H", "9S", "5C"});
  t.Command4.click();
  EXPECT_EQ(t.deck.deckPosition, 4);
  EXPECT_EQ(t.Label4.caption, "17");

  deal(10, {"10C", "10D", "6H", "2S", "5C"});
  t.Command4.click();
  EXPECT_EQ(t.deck.deckPosition, 5) << "16 draws even against a player's 12";
  EXPECT_EQ(t.Label4.caption, "21");
}

TEST_F(DealTest, NaturalAgainstThreeCardTwentyOneIsAPushWithABonus) {
  deal(10, {"6C", "1S", "5D", "13H", "10C"});
  EXPECT_EQ(t.money.bankBalance, 3005);
  EXPECT_EQ(t.Label13.caption, "You Win  5");
  EXPECT_EQ(t.Label20.caption, "T");
  EXPECT_EQ(t.Label19.caption, "T");
}

TEST_F(DealTest, ReshufflesBeforeTheFourthDrawOfADeal) {
  stack({});
  t.deck.deckPosition = 50;
  const std::string rowFiftyOne = t.MSFlexGrid1.textMatrix(51, 1);
  random.script(testing_support::keysInTableOrder());
  typeBet("10");
  t.Command1.click();
  EXPECT_EQ(t.play.holeCardCode, rowFiftyOne);
  EXPECT_EQ(picture(1), face("1D.BMP"));
  EXPECT_EQ(picture(11), face("1H.BMP"));
  EXPECT_EQ(picture(2), face("1S.BMP"));
  EXPECT_EQ(t.deck.deckPosition, 3);
}

TEST_F(DealTest, ReshufflesInTheMiddleOfTheDealersPlay) {
  stack({});
  const char* lastFour[] = {"10C", "10D", "2H", "9S"};
  for (int i = 0; i < 4; ++i)
    t.MSFlexGrid1.setTextMatrix(48 + i, 1, lastFour[i]);
  t.deck.deckPosition = 47;
  typeBet("10");
  t.Command1.click();
  random.script(testing_support::keysInTableOrder());
  t.Command4.click();
  // The dealer's 12 draws from the new deck: ace, ace, ace (each 1 once two
  // are in the hand), then the two of clubs.
  EXPECT_EQ(picture(12), face("1D.BMP"));
  EXPECT_EQ(picture(13), face("1H.BMP"));
  EXPECT_EQ(picture(15), face("2C.BMP"));
  EXPECT_EQ(t.deck.deckPosition, 4);
  EXPECT_EQ(t.Label4.caption, "17");
}

struct SignCase {
  const char* name;
  std::vector<std::string> cards;  // hole, player, up, player, dealer draws...
  double bankAfter;
  const char* playerSign;
  const char* dealerSign;
  const char* message;
  friend void PrintTo(const SignCase& c, std::ostream* os) { *os << c.name; }
};

class SignTest : public DealTest, public ::testing::WithParamInterface<SignCase> {};

TEST_P(SignTest, StandSettlesAndMarksBothSides) {
  const SignCase& c = GetParam();
  deal(10, c.cards);
  t.Command4.click();
  EXPECT_EQ(t.money.bankBalance, c.bankAfter);
  EXPECT_EQ(t.Label20.caption, c.playerSign);
  EXPECT_EQ(t.Label19.caption, c.dealerSign);
  EXPECT_EQ(t.Label13.caption, c.message);
  EXPECT_TRUE(t.Label20.visible);
  EXPECT_TRUE(t.Label19.visible);
  EXPECT_FALSE(t.Label21.visible);
  EXPECT_FALSE(t.Label22.visible);
  EXPECT_TRUE(t.Label1.visible);
  EXPECT_TRUE(t.Label4.visible);
}

INSTANTIATE_TEST_SUITE_P(
    Results, SignTest,
    ::testing::Values(SignCase{"PlayerHigher", {"10C", "10D", "8H", "13S"}, 3010, "+", "-", "You Win  10"},
                      SignCase{"DealerHigher", {"10C", "10D", "13H", "5S"}, 2990, "-", "+", "You Lose  10"},
                      SignCase{"Push", {"10C", "10D", "8H", "8S"}, 3000, "T", "T", "You Lose  0"},
                      SignCase{
                          "DealerBusts", {"10C", "10D", "6H", "2S", "13C"}, 3010, "+", "-", "You Win  10"}),
    testing_support::RowName());

TEST_F(DealTest, SettlementReturnsTheTableToBetEntry) {
  deal(10, {"10C", "10D", "8H", "13S"});
  t.Option2.setValue(true);
  t.Command4.click();
  EXPECT_EQ(t.entry.bet, 0);
  EXPECT_EQ(t.Text1.text(), "0");
  EXPECT_TRUE(t.Option1.value());
  EXPECT_TRUE(t.Command1.enabled);
  for (Control* chip : t.chips())
    EXPECT_TRUE(chip->enabled);
  for (Control* off : {&t.Command3, &t.Command4, &t.Command11, &t.Command13, &t.Command14}) {
    EXPECT_FALSE(off->enabled) << off->name;
  }
  EXPECT_FALSE(t.Shape1.visible);
}

TEST_F(DealTest, LosingTheWholeBankOffersALoan) {
  t.money.bankBalance = 10;
  deal(10, {"10C", "10D", "13H", "5S"});
  t.Command4.click();
  EXPECT_EQ(t.Label14.caption, "0");
  EXPECT_TRUE(t.mnuItemAddBalance.enabled);
  EXPECT_FALSE(t.mnuItemPayDebt.enabled);
}

}  // namespace
}  // namespace game::testing

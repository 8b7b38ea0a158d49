// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/bankroll/bet_entry.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

#include "../table_fixture.h"
#include "support/row_name.h"

namespace game::testing {
namespace {

using BetEntryTest = TableTest;

struct TypedCase {
  const char* name;
  std::string typed;
  double bet;
  std::string shown;
  friend void PrintTo(const TypedCase& c, std::ostream* os) { *os << c.name; }
};

class TypedBetTest : public TableTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedBetTest, BoxAlwaysShowsTheBet) {
  const TypedCase& c = GetParam();
  typeBet(c.typed);
  EXPECT_EQ(t.entry.bet, c.bet);
  EXPECT_EQ(t.Text1.text(), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TypedBetTest,
    ::testing::Values(TypedCase{"Digits", "25", 25, "25"}, TypedCase{"TrailingLetters", "12abc", 12, "12"},
                      TypedCase{"NoNumber", "abc", 0, "0"}, TypedCase{"Empty", "", 0, "0"},
                      TypedCase{"LeadingBlanks", "  40", 40, "40"}, TypedCase{"TrailingPoint", "3.", 3, "3"},
                      TypedCase{"LoneMinus", "-", 0, "0"}, TypedCase{"Negative", "-20", -20, "-20"},
                      TypedCase{"Fraction", "2.5", 2.5, "2.5"}, TypedCase{"Exponent", "1e3", 1000, "1000"},
                      TypedCase{"BeyondRange", "1e999", 0, "0"}),
    testing_support::RowName());

struct ChipCase {
  const char* name;
  std::string start;
  bool subtract;
  std::vector<int> chips;  // indexes 0..5 into the chips 1, 5, 10, 50, 100, 500
  std::string shown;
  friend void PrintTo(const ChipCase& c, std::ostream* os) { *os << c.name; }
};

class ChipTest : public TableTest, public ::testing::WithParamInterface<ChipCase> {};

TEST_P(ChipTest, ChipsAddOrSubtractWithoutGoingBelowZero) {
  const ChipCase& c = GetParam();
  typeBet(c.start);
  (c.subtract ? t.Label18 : t.Label17).click();
  for (int chip : c.chips)
    t.chips()[static_cast<std::size_t>(chip)]->click();
  EXPECT_EQ(t.Text1.text(), c.shown);
  EXPECT_EQ(t.entry.bet, std::stod(c.shown));
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, ChipTest,
    ::testing::Values(ChipCase{"AddHundredFiveHundredFive", "0", false, {4, 5, 1}, "605"},
                      ChipCase{"SubtractTooMuchKeepsBet", "3", true, {1}, "3"},
                      ChipCase{"SubtractThenOne", "3", true, {1, 0}, "2"},
                      ChipCase{"SubtractFromZero", "0", true, {0, 1, 2, 3, 4, 5}, "0"},
                      ChipCase{"AddToNegativeTwice", "-20", false, {1}, "-10"},
                      ChipCase{"AddToNegativeThenFifty", "-20", false, {1, 3}, "40"},
                      ChipCase{"AddToFraction", "2.5", false, {0}, "3.5"},
                      ChipCase{"BeyondTheBank", "2900", false, {4, 4}, "3100"}),
    testing_support::RowName());

TEST_F(BetEntryTest, ClickOnTheEntryLabelClearsTheAmountInAnyMode) {
  for (const char* mode : {"Bet", "Debt", "Pay"}) {
    t.Label16.caption = mode;
    typeBet("75");
    t.Label16.click();
    EXPECT_EQ(t.entry.bet, 0) << mode;
    EXPECT_EQ(t.Text1.text(), "0") << mode;
  }
}

TEST_F(BetEntryTest, OptionCaptionsSelectTheirOption) {
  t.Label18.click();
  EXPECT_TRUE(t.Option2.value());
  EXPECT_FALSE(t.Option1.value());
  t.Label17.click();
  EXPECT_TRUE(t.Option1.value());
  EXPECT_FALSE(t.Option2.value());
}

TEST_F(BetEntryTest, ChipsAreDisabledDuringADeal) {
  typeBet("10");
  stack({"10C", "10D", "8H", "13S"});
  t.Command1.click();
  t.Command10.click();
  EXPECT_EQ(t.entry.bet, 10);
}

}  // namespace
}  // namespace game::testing

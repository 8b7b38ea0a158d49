// SPDX-License-Identifier: GPL-3.0-or-later
// The House Rules window states the numbers the table plays with: each
// sentence is written from them, so another number changes the sentence.

#include "game/house_rules.h"

#include <gtest/gtest.h>

#include <functional>
#include <numeric>

#include "game/house_rules_window.h"
#include "support/row_name.h"
#include "table_fixture.h"

namespace game::testing {
namespace {

std::string allRules(const RuleNumbers& numbers) {
  const std::vector<std::string> rules = houseRules(numbers);
  return std::accumulate(rules.begin(), rules.end(), std::string(),
                         [](std::string all, const std::string& rule) { return all + rule + "\n"; });
}

struct RuleCase {
  std::string name;
  std::function<void(RuleNumbers&)> change;
  std::string saysAsPlayed;
  std::string saysChanged;
};

class HouseRulesTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(HouseRulesTest, EachNumberComesFromTheRulesPlayed) {
  const RuleCase& c = GetParam();
  const std::string played = allRules(playedRules());
  EXPECT_NE(played.find(c.saysAsPlayed), std::string::npos) << played;
  RuleNumbers changed = playedRules();
  c.change(changed);
  const std::string other = allRules(changed);
  EXPECT_NE(other.find(c.saysChanged), std::string::npos) << other;
  EXPECT_EQ(other.find(c.saysAsPlayed), std::string::npos) << "no number is written into a sentence";
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, HouseRulesTest,
    ::testing::Values(RuleCase{"Deck", [](RuleNumbers& n) { n.deckSize = 104; }, "One deck of 52 cards",
                               "One deck of 104 cards"},
                      RuleCase{"Reshuffle", [](RuleNumbers& n) { n.cardsDealtPerShuffle = 40; },
                               "Once 51 cards have been dealt", "Once 40 cards have been dealt"},
                      RuleCase{"NeverDealt", [](RuleNumbers& n) { n.cardsDealtPerShuffle = 48; },
                               "1 card of each shuffle is never", "4 cards of each shuffle are never"},
                      RuleCase{"DealerStands", [](RuleNumbers& n) { n.dealerStandsOn = 16; },
                               "stands on every 17", "stands on every 16"},
                      RuleCase{"NaturalPays", [](RuleNumbers& n) { n.naturalPays = 1.2; },
                               "pays 1.5 times the stake", "pays 1.2 times the stake"},
                      RuleCase{"NaturalBonus", [](RuleNumbers& n) { n.naturalBonus = 0.25; },
                               "a bonus of half its stake", "a bonus of a quarter its stake"},
                      RuleCase{"InsuranceShare", [](RuleNumbers& n) { n.insuranceShare = 0.25; },
                               "up to half your stake", "up to a quarter your stake"},
                      RuleCase{"InsurancePays", [](RuleNumbers& n) { n.insurancePays = 3; },
                               "It pays 2 times itself", "It pays 3 times itself"},
                      RuleCase{"Surrender", [](RuleNumbers& n) { n.surrenderShare = 0.25; },
                               "lose half its stake", "lose a quarter its stake"},
                      RuleCase{"DoubleDown", [](RuleNumbers& n) { n.doubleDownTimes = 3; },
                               "at most 2 times what it was", "at most 3 times what it was"},
                      RuleCase{"BankLimit", [](RuleNumbers& n) { n.bankLimitForLoans = 5000; },
                               "up to a bank of 10000", "up to a bank of 5000"},
                      RuleCase{"DebtLimit", [](RuleNumbers& n) { n.debtLimit = 250000; },
                               "stops growing at 1000000", "stops growing at 250000"},
                      RuleCase{"LeastBank", [](RuleNumbers& n) { n.leastBankAfterPayment = 10; },
                               "leaves at least 1 in", "leaves at least 10 in"},
                      RuleCase{"StartingBank", [](RuleNumbers& n) { n.startingBank = 500; },
                               "A new player's bank is 3000", "A new player's bank is 500"}),
    testing_support::RowName());

using HouseRulesWindowTest = TableTest;

// The sentences state what the table does: a natural of a bet of 15 wins
// floor(1.5 x 15) = 22 and the dealer stands on a soft 17.
TEST_F(HouseRulesWindowTest, TheRulesStatedArePlayed) {
  deal(15, {"10C", "1D", "7H", "13S"});
  EXPECT_EQ(t.Label13.caption, "You Win  22 with Tavorin");
  deal(10, {"1C", "10D", "6H", "7S", "13C"});
  t.Command4.click();
  EXPECT_EQ(visibleDealerSlots(), 2) << "the dealer stands on ace and six";
}

TEST_F(HouseRulesWindowTest, HelpShowsEveryRuleAndCloses) {
  bool shown = false;
  host.onModal = [&](platform::Form& form) {
    auto& window = static_cast<HouseRulesWindow&>(form);
    EXPECT_EQ(window.caption, "House Rules");
    for (const std::string& rule : houseRules())
      EXPECT_NE(window.Label1.caption.find(rule), std::string::npos) << rule;
    window.Command1.click();
    EXPECT_TRUE(window.unloadRequested);
    shown = true;
  };
  t.mnuItemHouseRules.click();
  EXPECT_TRUE(shown);
}

}  // namespace
}  // namespace game::testing

// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/bankroll/bank_menu.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "../table_fixture.h"
#include "support/row_name.h"

namespace game::testing {
namespace {

using BankMenuTest = TableTest;

struct MoneyCase {
  const char* name;
  bool payment;  // "Pay Debt", else "Add to Bank Balance"
  double bank, debt;
  const char* amount;
  bool accepted;
  double bankAfter, debtAfter;
  friend void PrintTo(const MoneyCase& c, std::ostream* os) { *os << c.name; }
};

class MoneyEntryTest : public TableTest, public ::testing::WithParamInterface<MoneyCase> {};

TEST_P(MoneyEntryTest, DoneAppliesTheLimits) {
  const MoneyCase& c = GetParam();
  t.money.bankBalance = c.bank;
  t.money.debt = c.debt;
  t.mnuItemAddBalance.enabled = t.mnuItemPayDebt.enabled = true;
  (c.payment ? t.mnuItemPayDebt : t.mnuItemAddBalance).click();
  const std::string mode = c.payment ? "Pay" : "Debt";
  EXPECT_EQ(t.Label16.caption, mode);
  typeBet(c.amount);
  t.Command2.click();

  EXPECT_EQ(t.money.bankBalance, c.bankAfter);
  EXPECT_EQ(t.money.debt, c.debtAfter);
  if (c.accepted) {
    EXPECT_EQ(t.Label16.caption, "Bet");
    EXPECT_EQ(t.Text1.text(), "0");
    EXPECT_FALSE(t.Command2.visible);
    EXPECT_FALSE(t.Label13.visible);
    EXPECT_EQ(t.Label14.caption, platform::plainForm(c.bankAfter));
    EXPECT_TRUE(t.Command1.enabled);
  } else {
    EXPECT_EQ(t.Label16.caption, mode);
    EXPECT_EQ(t.Text1.text(), c.amount);
    EXPECT_TRUE(t.Command2.visible);
    EXPECT_FALSE(t.Command1.enabled);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Limits, MoneyEntryTest,
    ::testing::Values(MoneyCase{"DepositUpToTenThousand", false, 0, 0, "10000", true, 10000, 10000},
                      MoneyCase{"DepositBeyondTenThousand", false, 0, 0, "10001", false, 0, 0},
                      MoneyCase{"DepositOfNothing", false, 200, 0, "0", true, 200, 0},
                      MoneyCase{"DebtCappedBankNot", false, 0, 999500, "1000", true, 1000, 1000000},
                      MoneyCase{"NegativeDepositRefused", false, 3000, 0, "-500", false, 3000, 0},
                      MoneyCase{"NegativePaymentRefused", true, 1, 1, "-1000000000", false, 1, 1},
                      MoneyCase{"PaymentOfNothingClosesTheEntry", true, 800, 500, "0", true, 800, 500},
                      MoneyCase{"PayTheWholeDebt", true, 800, 500, "500", true, 300, 0},
                      MoneyCase{"PayMoreThanTheDebt", true, 800, 500, "600", false, 800, 500},
                      MoneyCase{"PayLeavingNothing", true, 500, 500, "500", false, 500, 500},
                      MoneyCase{"PayLeavingOne", true, 500, 500, "499", true, 1, 1}),
    testing_support::RowName());

TEST_F(BankMenuTest, PayDebtShowsWhatIsOwed) {
  t.money.debt = 1500;
  t.mnuItemPayDebt.enabled = true;
  t.mnuItemPayDebt.click();
  EXPECT_TRUE(t.Label13.visible);
  EXPECT_EQ(t.Label13.caption, "You Owe 1500, Limit is 1500");
  for (Control* off : {&t.Command1, &t.Command3, &t.Command4, &t.Command11, &t.Command13}) {
    EXPECT_FALSE(off->enabled) << off->name;
  }
}

// The "Pay" entry names the debt and the most the payment rule takes: that
// amount is applied, a cent more refused.
struct PayLimitCase {
  std::string name;
  double bank;
  double debt;
  bool duringADeal;  // a stake of 100 on the table
  std::string shown;
  double limit;
};

class PayLimitTest : public TableTest, public ::testing::WithParamInterface<PayLimitCase> {};

TEST_P(PayLimitTest, ShowsWhatIsOwedAndTheMostThatCanBePaid) {
  const PayLimitCase& c = GetParam();
  t.money.bankBalance = c.bank;
  if (c.duringADeal) deal(100, {"10C", "5D", "8H", "6S"});
  t.money.debt = c.debt;
  t.mnuItemPayDebt.enabled = true;
  t.mnuItemPayDebt.click();
  EXPECT_EQ(t.Label13.caption, c.shown);
  EXPECT_EQ(paymentLimit(t), c.limit);
  typeBet(platform::plainForm(c.limit + 0.01));
  EXPECT_FALSE(applyPaymentRule(t));
  typeBet(platform::plainForm(c.limit));
  EXPECT_TRUE(applyPaymentRule(t));
}

INSTANTIATE_TEST_SUITE_P(
    Entries, PayLimitTest,
    ::testing::Values(PayLimitCase{"TheDebt", 3000, 1500, false, "You Owe 1500, Limit is 1500", 1500},
                      PayLimitCase{"TheBankLessOne", 800, 1500, false, "You Owe 1500, Limit is 799", 799},
                      PayLimitCase{"TheStakesStayCovered", 800, 1500, true, "You Owe 1500, Limit is 700",
                                   700},
                      PayLimitCase{"Fractions", 2512.5, 20.25, false, "You Owe 20.25, Limit is 20.25", 20.25},
                      PayLimitCase{"NothingLeftToPayWith", 1, 50, false, "You Owe 50, Limit is 0", 0}),
    testing_support::RowName());

TEST_F(BankMenuTest, TheBanksTooltipTellsTheBankAndTheDebt) {
  EXPECT_EQ(t.Label14.toolTip, "Bank 3000, debt 0");
  t.mnuItemAddBalance.enabled = true;
  t.mnuItemAddBalance.click();
  typeBet("2500");
  t.Command2.click();
  EXPECT_EQ(t.Label14.toolTip, "Bank 5500, debt 2500");
  t.mnuItemPayDebt.click();
  typeBet("1000.5");
  t.Command2.click();
  EXPECT_EQ(t.Label14.toolTip, "Bank 4499.5, debt 1499.5");
  deal(100, {"10C", "10D", "8H", "6S", "13S"});
  t.Command3.click();
  EXPECT_EQ(t.Label14.toolTip, "Bank 4399.5, debt 1499.5") << "after a lost deal";
}

TEST_F(BankMenuTest, PayDebtWithoutADebtOnlyTurnsItselfOff) {
  t.mnuItemPayDebt.enabled = true;
  typeBet("40");
  const auto before = tableState();
  t.mnuItemPayDebt.click();
  EXPECT_FALSE(t.mnuItemPayDebt.enabled);
  EXPECT_EQ(tableState(), before);
}

TEST_F(BankMenuTest, AnAcceptedEntryWithMoneyInTheBankOffersAPayment) {
  t.money.bankBalance = 0;
  t.mnuItemAddBalance.enabled = true;
  t.mnuItemPayDebt.enabled = false;
  t.mnuItemAddBalance.click();
  typeBet("500");
  t.Command2.click();
  EXPECT_FALSE(t.mnuItemAddBalance.enabled);
  EXPECT_TRUE(t.mnuItemPayDebt.enabled);
}

TEST_F(BankMenuTest, ClearedDebtLeavesPayDebtOnUntilClickedAgain) {
  t.money.debt = 100;
  t.mnuItemPayDebt.enabled = true;
  t.mnuItemPayDebt.click();
  typeBet("100");
  t.Command2.click();
  EXPECT_EQ(t.money.debt, 0);
  EXPECT_TRUE(t.mnuItemPayDebt.enabled);
  t.mnuItemPayDebt.click();
  EXPECT_FALSE(t.mnuItemPayDebt.enabled);
}

TEST_F(BankMenuTest, APaymentDuringADealGivesBackThePlayersActionsOnly) {
  t.money.debt = 100;
  t.mnuItemPayDebt.enabled = true;
  deal(10, {"10C", "9D", "7H", "5S"});
  t.mnuItemPayDebt.click();
  typeBet("50");
  t.Command2.click();
  EXPECT_EQ(t.entry.bet, 0);
  EXPECT_TRUE(t.Command3.enabled);
  EXPECT_TRUE(t.Command4.enabled);
  EXPECT_TRUE(t.Command11.enabled);
  EXPECT_FALSE(t.Command13.enabled);
  EXPECT_FALSE(t.Command1.enabled) << "the deal on the table is not abandoned";
}

TEST_F(BankMenuTest, ADepositBetweenDealsLeavesTheSettledHandAlone) {
  deal(10, {"10C", "9D", "7H", "5S"});
  t.Command4.click();
  const double settled = t.money.bankBalance;
  t.mnuItemAddBalance.enabled = true;
  t.mnuItemAddBalance.click();
  typeBet("100");
  t.Command2.click();
  EXPECT_TRUE(t.Command1.enabled);
  EXPECT_FALSE(t.Command3.enabled);
  EXPECT_FALSE(t.Command4.enabled);
  EXPECT_FALSE(t.Command11.enabled);
  t.Command4.click();
  EXPECT_EQ(t.money.bankBalance, settled + 100) << "the settled hand is not paid again";
}

TEST_F(BankMenuTest, AClickOnTheEntryLabelClearsTheAmountInAnEntry) {
  t.mnuItemAddBalance.enabled = true;
  t.mnuItemAddBalance.click();
  typeBet("300");
  t.Label16.click();
  EXPECT_EQ(t.Text1.text(), "0");
  EXPECT_EQ(t.Label16.caption, "Debt");
}

}  // namespace
}  // namespace game::testing

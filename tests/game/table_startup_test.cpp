// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/table_startup.h"

#include <gtest/gtest.h>

#include "table_fixture.h"

namespace game::testing {
namespace {

using StartupTest = TableTest;

TEST_F(StartupTest, TableIsEmptyAndReadyForABet) {
  EXPECT_EQ(t.money.bankBalance, 3000);
  EXPECT_EQ(t.Label14.caption, "3000");
  EXPECT_EQ(t.Text1.text(), "0");
  EXPECT_EQ(t.Label16.caption, "Bet");
  EXPECT_TRUE(t.Option1.value());
  EXPECT_FALSE(t.Option2.value());
  EXPECT_TRUE(t.Label13.visible);
  EXPECT_EQ(t.Label13.caption, "");
  EXPECT_FALSE(t.Label11.visible);
  EXPECT_FALSE(t.Label12.visible);
  for (int n = 1; n <= 27; ++n)
    EXPECT_FALSE(t.Image(n).visible) << n;
  EXPECT_TRUE(t.Command1.enabled);
  for (Control* chip : t.chips())
    EXPECT_TRUE(chip->enabled);
  for (Control* off : {&t.Command3, &t.Command4, &t.Command11, &t.Command13, &t.Command14}) {
    EXPECT_FALSE(off->enabled) << off->name;
  }
  EXPECT_FALSE(t.Command2.visible);
  EXPECT_FALSE(t.Command12.visible);
  EXPECT_EQ(t.height, 7515);
  EXPECT_EQ(t.deck.deckPosition, 0);
  EXPECT_EQ(t.deck.cardNames[1], "1C");
  EXPECT_EQ(t.deck.cardNames[4], "1S");
  EXPECT_EQ(t.deck.cardNames[5], "2C");
  EXPECT_EQ(t.deck.cardNames[52], "13S");
  EXPECT_EQ(t.installPath, "/opt/tavorin/");
}

TEST_F(StartupTest, WithBankAndNoDebtBothMoneyMenusAreOff) {
  EXPECT_FALSE(t.mnuItemAddBalance.enabled);
  EXPECT_FALSE(t.mnuItemPayDebt.enabled);
}

TEST_F(StartupTest, ResetTwiceGivesTheSameTableAsOnce) {
  t.entry.bet = 25;
  t.Text1.setText("25");
  t.Command1.click();
  resetTable(t);
  const auto once = tableState();
  resetTable(t);
  EXPECT_EQ(tableState(), once);
  EXPECT_EQ(t.play.firstHandCardCount, 2) << "the counts of the last deal stay";
}

}  // namespace
}  // namespace game::testing

// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics: counted from scripted deals with a stacked deck, kept in a
// file of their own that is read only when needed, a damaged file set aside.

#include <gtest/gtest.h>

#include <fstream>

#include "game/bankroll/bank_menu.h"
#include "game/statistics/statistics_file.h"
#include "game/statistics/statistics_window.h"
#include "support/row_name.h"
#include "table_fixture.h"

namespace game::testing {
namespace {

namespace fs = std::filesystem;

class StatisticsTest : public TableTest {
 protected:
  // Hole card, player, up card, player, then what later draws take; bets 10.
  void playEveryKindOfDeal() {
    deal(10, {"10C", "10D", "8H", "13S"});  // 20 against 18
    t.Command4.click();
    deal(10, {"10C", "1D", "7H", "13S"});  // a natural: 15
    deal(10, {"10C", "5D", "8H", "6S", "13S"});
    t.Command11.click();
    typeBet("20");
    t.Command2.click();                           // doubled into 21 against 18: 20
    deal(10, {"10C", "10D", "8H", "6S", "13C"});  // hit into a bust
    t.Command3.click();
    deal(10, {"10C", "10D", "8H", "6S"});
    t.Command13.click();                   // surrender: 5
    deal(10, {"10C", "10D", "8H", "8S"});  // 18 against 18
    t.Command4.click();
    deal(10, {"10C", "8S", "7D", "8H", "13S", "6C"});
    t.Command14.click();
    t.Command4.click();
    t.Command4.click();  // 18 wins and 14 loses against 17
    deal(10, {"13C", "10D", "1H", "7S"});
    t.Command12.click();
    t.Command2.click();  // insured for 5
    t.Command4.click();  // the dealer's natural: the stake lost, the insurance paid twice
  }

  Summary session() const {
    const std::span<const DealRecord> all = t.statistics.deals;
    return summarize(all.subspan(t.statistics.sessionStart));
  }
  Summary allTime() const { return summarize(t.statistics.deals); }

  fs::path file() const { return data_ / "statistics.dat"; }
};

const Summary kEveryKind = [] {
  Summary s;
  s.deals = 8;
  s.handsWon = 4;
  s.handsLost = 4;
  s.handsPushed = 1;
  s.naturals = 1;
  s.doubles = 1;
  s.splits = 1;
  s.surrenders = 1;
  s.insuranceTaken = 1;
  s.insurancePaid = 1;
  s.net = 30;
  s.biggestWin = 20;
  s.biggestLoss = 10;
  s.longestWinningRun = 3;
  s.longestLosingRun = 2;
  return s;
}();

TEST_F(StatisticsTest, CountsEveryKindOfDeal) {
  playEveryKindOfDeal();
  ASSERT_EQ(t.money.bankBalance, 3030);
  EXPECT_EQ(session(), kEveryKind);
  EXPECT_EQ(allTime(), kEveryKind);
  ASSERT_EQ(t.statistics.deals.size(), 8U);
  EXPECT_EQ(t.statistics.deals.back().bank, 3030) << "the bank after every deal, for the chart";
  EXPECT_EQ(t.statistics.deals[4].net, -5);
}

TEST_F(StatisticsTest, AreReadOnlyWhenNeededAndKeepEarlierGamesApartFromThisOne) {
  playEveryKindOfDeal();
  t.mnuItemExit.click();
  ASSERT_TRUE(fs::exists(file()));

  Table again{host, random, assets_, data_};
  tableLoad(again);
  EXPECT_FALSE(again.statistics.earlierRead) << "the start does not read the statistics";
  again.Text1.setText("10");
  stackDeck(again, {"10C", "10D", "8H", "13S"});
  again.Command1.click();
  again.Command4.click();

  host.onModal = [&](platform::Form& form) {
    auto& window = static_cast<StatisticsWindow&>(form);
    EXPECT_EQ(window.Chart1.chartValues.size(), 9U);
    EXPECT_EQ(window.Chart1.chartMarkFrom, 8U) << "this session's one deal comes last";
    EXPECT_EQ(window.Chart1.chartValues.back(), 3040);
    EXPECT_NE(window.Label2.caption.find("This session\n1\n1\n0"), std::string::npos)
        << window.Label2.caption;
    EXPECT_NE(window.Label3.caption.find("All time\n9\n5\n4"), std::string::npos) << window.Label3.caption;
    EXPECT_TRUE(window.Label1.caption.starts_with("\nDeals played\nHands won\n"))
        << "each name on the line of its figures";
  };
  again.mnuItemStatistics.click();
  ASSERT_EQ(host.modalForms.size(), 1U);
  Summary expected = kEveryKind;
  ++expected.deals;
  ++expected.handsWon;
  expected.net += 10;
  expected.longestWinningRun = 3;
  EXPECT_EQ(summarize(again.statistics.deals), expected);
}

TEST_F(StatisticsTest, ResetAsksFirst) {
  playEveryKindOfDeal();
  host.answers = {platform::MessageAnswer::Cancel, platform::MessageAnswer::Ok};
  host.onModal = [&](platform::Form& form) {
    auto& window = static_cast<StatisticsWindow&>(form);
    window.Command1.click();
    EXPECT_EQ(t.statistics.deals.size(), 8U) << "Cancel keeps them";
    window.Command1.click();
    EXPECT_TRUE(t.statistics.deals.empty());
    EXPECT_TRUE(window.Chart1.chartValues.empty());
    EXPECT_NE(window.Label3.caption.find("All time\n0\n"), std::string::npos);
  };
  t.mnuItemStatistics.click();
  ASSERT_EQ(host.messages.size(), 2U);
  EXPECT_EQ(host.buttons[0], platform::MessageButtons::OkCancel);
  const StatisticsRead read = readStatisticsFile(file());
  EXPECT_EQ(read.outcome, StatisticsRead::Outcome::Read) << "the empty statistics are written at once";
  EXPECT_TRUE(read.deals.empty());
}

TEST_F(StatisticsTest, ADamagedFileStartsEmptyAndSaysSoOnce) {
  {
    std::ofstream damaged(file(), std::ios::binary);
    damaged << kStatisticsHeader << "\r\n1 0 0 0 0 0 0 0 0 10 3010\r\nnot a deal\r\n";
  }
  t.mnuItemStatistics.click();
  t.mnuItemStatistics.click();
  ASSERT_EQ(host.messages.size(), 1U);
  EXPECT_NE(host.messages[0].find("line 3 is damaged"), std::string::npos) << host.messages[0];
  EXPECT_TRUE(t.statistics.deals.empty());
  fs::path aside = file();
  aside += ".damaged";
  EXPECT_TRUE(fs::exists(aside)) << "the damaged file is kept";
  t.mnuItemExit.click();
  EXPECT_EQ(readStatisticsFile(file()).outcome, StatisticsRead::Outcome::Read);
}

TEST_F(StatisticsTest, AFileThatCannotBeReadIsLeftAlone) {
  fs::create_directory(file());
  deal(10, {"10C", "10D", "8H", "13S"});
  t.Command4.click();
  t.mnuItemStatistics.click();
  ASSERT_EQ(host.messages.size(), 1U);
  EXPECT_NE(host.messages[0].find("it is a folder"), std::string::npos) << host.messages[0];
  EXPECT_EQ(t.statistics.deals.size(), 1U) << "this game's deal is still counted";
  t.mnuItemExit.click();
  EXPECT_TRUE(fs::is_directory(file()));
  EXPECT_EQ(host.messages.size(), 1U) << "nothing more is said at Exit";
}

TEST_F(StatisticsTest, LeavingWhereNothingCanBeSavedSaysSoOnce) {
  deal(10, {"10C", "10D", "8H", "13S"});
  t.Command4.click();
  fs::remove_all(data_);
  std::ofstream(data_) << "in the way";
  t.mnuItemExit.click();
  ASSERT_EQ(host.messages.size(), 1U);
  EXPECT_NE(host.messages[0].find("bank balance and debt could not be saved"), std::string::npos);
  EXPECT_NE(host.messages[0].find("statistics could not be saved"), std::string::npos);
}

TEST(DealRecordTest, ReadsBackWhatItWrites) {
  const DealRecord records[] = {
      {},
      {.handsWon = 1, .handsLost = 1, .doubles = 2, .split = true, .net = 0, .bank = 2512.5},
      {.handsLost = 1, .surrenders = 1, .insuranceTaken = true, .net = -5, .bank = -10},
      {.handsLost = 1, .insuranceTaken = true, .insurancePaid = true, .net = 1e20, .bank = 1e169},
  };
  for (const DealRecord& record : records)
    EXPECT_EQ(parseDealRecord(formatDealRecord(record)), record) << formatDealRecord(record);
}

struct BadLine {
  std::string name;
  std::string line;
};

class DamagedRecordTest : public ::testing::TestWithParam<BadLine> {};

TEST_P(DamagedRecordTest, IsRefused) {
  EXPECT_FALSE(parseDealRecord(GetParam().line).has_value());
}

INSTANTIATE_TEST_SUITE_P(Lines, DamagedRecordTest,
                         ::testing::Values(BadLine{"Empty", ""}, BadLine{"TooFew", "1 0 0 0 0 0 0 0 0 10"},
                                           BadLine{"TooMany", "1 0 0 0 0 0 0 0 0 10 3010 7"},
                                           BadLine{"Letters", "1 0 0 0 0 0 0 0 0 ten 3010"},
                                           BadLine{"NegativeCount", "-1 0 0 0 0 0 0 0 0 10 3010"},
                                           BadLine{"ThreeHands", "2 1 0 0 0 1 0 0 0 10 3010"},
                                           BadLine{"PaidNotTaken", "0 1 0 0 0 0 0 0 1 0 3010"},
                                           BadLine{"NotANumber", "1 0 0 0 0 0 0 0 0 nan 3010"},
                                           BadLine{"Infinite", "1 0 0 0 0 0 0 0 0 10 inf"},
                                           BadLine{"HalfANumber", "1 0 0 0 0 0 0 0 0 10 30x10"}),
                         testing_support::RowName());

TEST(StatisticsFileTest, AFileThatDoesNotNameItselfIsDamaged) {
  const fs::path folder = testing_support::freshTempFolder("statistics-file");
  fs::create_directories(folder);
  {
    std::ofstream other(folder / "statistics.dat", std::ios::binary);
    other << "3000\r\n0\r\n";
  }
  const StatisticsRead read = readStatisticsFile(folder / "statistics.dat");
  EXPECT_EQ(read.outcome, StatisticsRead::Outcome::Damaged);
  EXPECT_TRUE(read.deals.empty());
  fs::remove_all(folder);
}

}  // namespace
}  // namespace game::testing

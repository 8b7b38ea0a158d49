// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/bankroll/player_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <ostream>
#include <string>

#include "../table_fixture.h"
#include "support/bytes.h"
#include "support/row_name.h"

namespace game::testing {
namespace {

class PlayerFileTest : public TableTest {
 protected:
  void putPlayerFile(const std::string& bytes) {
    std::filesystem::create_directories(data_);
    std::ofstream(playerFilePath(t), std::ios::binary) << bytes;
  }
  std::string playerFileBytes() {
    std::ifstream in(playerFilePath(t), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  // A new start of the program over the same player file.
  std::unique_ptr<Table> restart() {
    auto table = std::make_unique<Table>(host, random, assets_, data_);
    tableLoad(*table);
    return table;
  }
};

TEST_F(PlayerFileTest, FirstStartWritesTheDefaults) {
  EXPECT_EQ(playerFileBytes(), "3000\r\n0\r\n");
  EXPECT_EQ(t.money.bankBalance, 3000);
  EXPECT_EQ(t.money.debt, 0);
  EXPECT_EQ(t.Label14.caption, "3000");
}

struct LoadCase {
  const char* name;
  std::string bytes;
  double bank;
  double debt;
  bool rewritten;  // replaced by the defaults
  friend void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }
};

class LoadPlayerFileTest : public PlayerFileTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(LoadPlayerFileTest, ReadsByTheLeadingNumberOrTakesTheDefaults) {
  const LoadCase& c = GetParam();
  putPlayerFile(c.bytes);
  const auto table = restart();
  EXPECT_EQ(table->money.bankBalance, c.bank);
  EXPECT_EQ(table->money.debt, c.debt);
  EXPECT_EQ(table->Label14.caption, platform::plainForm(c.bank));
  EXPECT_EQ(playerFileBytes(), c.rewritten ? "3000\r\n0\r\n" : c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadPlayerFileTest,
    ::testing::Values(LoadCase{"Saved", " 2512.5\r\n 1500\r\n", 2512.5, 1500, false},
                      LoadCase{"Negative", "-10\r\n 0\r\n", -10, 0, false},
                      LoadCase{"LineFeedOnly", " 700\n 20\n", 700, 20, false},
                      LoadCase{"OneLine", " 700\r\n", 3000, 0, true}, LoadCase{"Empty", "", 3000, 0, true},
                      LoadCase{"Letters", "abc\r\nxyz\r\n", 0, 0, false},
                      LoadCase{"BeyondRange", "1e999\r\n-1e999\r\n", 0, 0, false},
                      LoadCase{"Binary", testing_support::bytes("\x89PNG\r\n\x1a\n\0\0\0\rIHDR"), 0, 0,
                               false},
                      LoadCase{"NulInsideNumber",
                               testing_support::bytes("12\0"
                                                      "34\r\n5\r\n"),
                               12, 5, false},
                      LoadCase{"HugeLine", std::string(1 << 20, '9') + "\r\n1\r\n", 0, 1, false},
                      LoadCase{"ExtraLinesIgnored", " 50\r\n 5\r\ngarbage\r\n", 50, 5, false}),
    testing_support::RowName());

struct MenuCase {
  const char* name;
  std::string file;
  bool addBalance;
  bool payDebt;
  friend void PrintTo(const MenuCase& c, std::ostream* os) { *os << c.name; }
};

class StartupMenuTest : public PlayerFileTest, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(StartupMenuTest, OffersTheLoanAndThePaymentThatFitTheMoney) {
  putPlayerFile(GetParam().file);
  const auto table = restart();
  EXPECT_EQ(table->mnuItemAddBalance.enabled, GetParam().addBalance);
  EXPECT_EQ(table->mnuItemPayDebt.enabled, GetParam().payDebt);
}

INSTANTIATE_TEST_SUITE_P(Money, StartupMenuTest,
                         ::testing::Values(MenuCase{"EmptyBank", " 0\r\n 0\r\n", true, false},
                                           MenuCase{"EmptyBankWithDebt", " 0\r\n 500\r\n", true, false},
                                           MenuCase{"NegativeBank", "-10\r\n 500\r\n", true, false},
                                           MenuCase{"BankNoDebt", " 100\r\n 0\r\n", false, false},
                                           MenuCase{"BankAndDebt", " 100\r\n 500\r\n", false, true}),
                         testing_support::RowName());

TEST_F(PlayerFileTest, ExitSavesBalanceAndDebtAndTheNextStartReadsThem) {
  t.money.bankBalance = 2512.5;
  t.money.debt = 0;
  t.mnuItemExit.click();
  EXPECT_EQ(playerFileBytes(), " 2512.5\r\n 0\r\n");
  EXPECT_EQ(host.endRequests, 1);
  EXPECT_TRUE(host.messages.empty());
  const auto table = restart();
  EXPECT_EQ(table->money.bankBalance, 2512.5);
  EXPECT_EQ(table->money.debt, 0);
}

TEST_F(PlayerFileTest, ExitWritesANegativeBalanceWithItsSign) {
  t.money.bankBalance = -10;
  t.money.debt = 1000000;
  t.mnuItemExit.click();
  EXPECT_EQ(playerFileBytes(), "-10\r\n 1000000\r\n");
}

TEST_F(PlayerFileTest, ExitThatCannotSaveSaysSoAndStillEnds) {
  // A plain file where the folder should be: nothing can be made inside it.
  std::filesystem::remove_all(data_);
  std::ofstream(data_) << "in the way";
  t.mnuItemExit.click();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].find("could not be saved"), std::string::npos);
  EXPECT_EQ(host.endRequests, 1);
}

// A player file that is there but cannot be read must neither stop the start
// (it once threw, or waited for ever on a pipe) nor be lost to the defaults.
struct UnreadableCase {
  const char* name;
  std::function<void(const std::filesystem::path&)> make;
  const char* reason;
  friend void PrintTo(const UnreadableCase& c, std::ostream* os) { *os << c.name; }
};

class UnreadablePlayerFileTest : public PlayerFileTest, public ::testing::WithParamInterface<UnreadableCase> {
 protected:
  void SetUp() override {
    std::filesystem::remove(playerFilePath(t));
    GetParam().make(playerFilePath(t));
    host.messages.clear();
    table = restart();
  }
  bool unreadableStillThere() {
    std::error_code ignored;
    return !std::filesystem::is_regular_file(playerFilePath(t), ignored);
  }
  std::unique_ptr<Table> table;
};

TEST_P(UnreadablePlayerFileTest, StartsWithTheDefaultsAndSaysWhyOnce) {
  EXPECT_EQ(table->money.bankBalance, 3000);
  EXPECT_EQ(table->money.debt, 0);
  EXPECT_EQ(table->Label14.caption, "3000");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].find(playerFilePath(t).string()), std::string::npos) << host.messages[0];
  EXPECT_NE(host.messages[0].find(GetParam().reason), std::string::npos) << host.messages[0];
  EXPECT_TRUE(unreadableStillThere()) << "the defaults are not written over it at start";
}

TEST_P(UnreadablePlayerFileTest, LeavingAsksAndCancelKeepsTheFile) {
  host.messages.clear();
  host.answers = {platform::MessageAnswer::Cancel};
  table->money.bankBalance = 4200;
  table->mnuItemExit.click();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].find("Replace that file"), std::string::npos) << host.messages[0];
  EXPECT_EQ(host.buttons.back(), platform::MessageButtons::OkCancel);
  EXPECT_TRUE(unreadableStillThere());
  EXPECT_EQ(host.endRequests, 1);
}

INSTANTIATE_TEST_SUITE_P(Files, UnreadablePlayerFileTest,
                         ::testing::Values(UnreadableCase{"Folder",
                                                          [](const std::filesystem::path& f) {
                                                            std::filesystem::create_directories(f);
                                                          },
                                                          "it is a folder"},
                                           UnreadableCase{"NamedPipe",
                                                          [](const std::filesystem::path& f) {
                                                            ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0);
                                                          },
                                                          "not a regular file"}),
                         testing_support::RowName());

TEST_F(PlayerFileTest, AFileWithoutReadPermissionIsKeptUntilThePlayerAgrees) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
  putPlayerFile(" 9000\r\n 0\r\n");
  std::filesystem::permissions(playerFilePath(t), std::filesystem::perms::none);
  host.messages.clear();
  auto table = restart();
  EXPECT_EQ(table->money.bankBalance, 3000);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].find("Permission denied"), std::string::npos) << host.messages[0];

  host.answers = {platform::MessageAnswer::Ok};
  table->mnuItemExit.click();
  std::filesystem::permissions(playerFilePath(t), std::filesystem::perms::owner_all);
  EXPECT_EQ(playerFileBytes(), " 3000\r\n 0\r\n") << "OK replaces it";
}

TEST_F(PlayerFileTest, LeavingWithOkReplacesAnUnreadableFile) {
  std::filesystem::remove(playerFilePath(t));
  ASSERT_EQ(::mkfifo(playerFilePath(t).c_str(), 0600), 0);
  auto table = restart();
  table->money.bankBalance = 4200;
  host.answers = {platform::MessageAnswer::Ok};
  table->mnuItemExit.click();
  EXPECT_EQ(playerFileBytes(), " 4200\r\n 0\r\n");
}

// Closing the window by the desktop saves as File > Exit does.
TEST_F(PlayerFileTest, ClosingTheWindowSavesTheSession) {
  t.money.bankBalance = 3150;
  t.money.debt = 200;
  ASSERT_TRUE(t.onQueryUnload);
  EXPECT_TRUE(t.onQueryUnload()) << "the window may close";
  EXPECT_EQ(playerFileBytes(), " 3150\r\n 200\r\n");
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(host.endRequests, 0) << "the window closing ends the program itself";
}

TEST_F(PlayerFileTest, ClosingTheWindowThatCannotSaveSaysSo) {
  std::filesystem::remove_all(data_);
  std::ofstream(data_) << "in the way";
  EXPECT_TRUE(t.onQueryUnload());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].find("could not be saved"), std::string::npos);
}

}  // namespace
}  // namespace game::testing

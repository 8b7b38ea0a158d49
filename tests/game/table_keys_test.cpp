// SPDX-License-Identifier: GPL-3.0-or-later
// The table from the keyboard: each key does what a click on its button
// does, in every phase of a deal, and nothing while that button is off.

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "game/table_keys.h"
#include "support/row_name.h"
#include "table_fixture.h"

namespace game::testing {
namespace {

// A table of its own, so one phase can be set twice: once for the key and
// once for the click it must equal.
struct Seat {
  Seat() { tableLoad(t); }
  ~Seat() {
    std::error_code ignored;
    std::filesystem::remove_all(data, ignored);
  }
  void deal(double amount, const std::vector<std::string>& cards) {
    t.Text1.setText(platform::plainForm(amount));
    stackDeck(t, cards);
    t.Command1.click();
  }
  std::filesystem::path data = testing_support::freshTempFolder("tavorin-keys");
  testing_support::FakeHost host;
  testing_support::ScriptedRandom random;
  Table t{host, random, "/opt/tavorin", data};
};

struct Phase {
  const char* name;
  std::function<void(Seat&)> reach;
};

// Hole card, player, up card, player, then what later draws take.
const Phase kPhases[] = {
    {"BeforeTheFirstDeal", [](Seat& s) { s.t.Text1.setText("100"); }},
    {"PlayersTurn",
     [](Seat& s) {
       s.deal(100, {"10C", "5D", "8H", "6S", "13S", "4C"});
     }},
    {"PairDealt",
     [](Seat& s) {
       s.deal(100, {"10C", "8D", "7H", "8S", "2S", "3C", "4C"});
     }},
    {"InsuranceOffered",
     [](Seat& s) {
       s.deal(100, {"10C", "5D", "1H", "6S", "13S", "4C"});
     }},
    {"DoubleDownEntryOpen",
     [](Seat& s) {
       s.deal(100, {"10C", "5D", "8H", "6S", "13S", "4C"});
       s.t.Command11.click();
       s.t.Text1.setText("200");
     }},
    {"InsuranceEntryOpen",
     [](Seat& s) {
       s.deal(100, {"10C", "5D", "1H", "6S", "13S", "4C"});
       s.t.Command12.click();
     }},
    {"PaymentEntryOpen",
     [](Seat& s) {
       s.t.money.debt = 500;
       s.t.mnuItemPayDebt.enabled = true;
       s.t.mnuItemPayDebt.click();
       s.t.Text1.setText("200");
     }},
    {"DealSettled",
     [](Seat& s) {
       s.deal(100, {"10C", "5D", "8H", "6S", "13S", "4C"});
       s.t.Command4.click();
       s.t.Text1.setText("100");
     }},
};

struct KeyRow {
  std::string name;
  const char* phase;
  std::string key;
  Control Table::*button;  // the click the key must equal
  bool acts;               // whether that button can be clicked in the phase
  friend void PrintTo(const KeyRow& row, std::ostream* os) { *os << row.name; }
};

const Phase& phaseNamed(const std::string& name) {
  for (const Phase& phase : kPhases)
    if (name == phase.name) return phase;
  throw std::invalid_argument(name);
}

class TableKeyTest : public ::testing::TestWithParam<KeyRow> {};

TEST_P(TableKeyTest, DoesWhatItsButtonsClickDoes) {
  const KeyRow& row = GetParam();
  Seat byKey, byClick;
  phaseNamed(row.phase).reach(byKey);
  phaseNamed(row.phase).reach(byClick);
  const auto before = tableStateOf(byKey.t);

  EXPECT_TRUE(tableKeyPress(byKey.t, row.key)) << "the table takes every letter and Enter";
  (byClick.t.*row.button).click();

  EXPECT_EQ(tableStateOf(byKey.t), tableStateOf(byClick.t));
  EXPECT_EQ(byKey.t.stakes.handBet, byClick.t.stakes.handBet);
  EXPECT_EQ(byKey.t.stakes.insuranceBet, byClick.t.stakes.insuranceBet);
  EXPECT_EQ(byKey.t.money.debt, byClick.t.money.debt);
  EXPECT_EQ(tableStateOf(byKey.t) != before, row.acts);
}

std::vector<KeyRow> keyRows() {
  struct Key {
    const char* key;
    Control Table::*button;
    std::vector<const char*> actsIn;
  };
  const Key keys[] = {
      {"H", &Table::Command3, {"PlayersTurn", "PairDealt", "InsuranceOffered"}},
      {"S", &Table::Command4, {"PlayersTurn", "PairDealt", "InsuranceOffered"}},
      {"D", &Table::Command11, {"PlayersTurn", "PairDealt", "InsuranceOffered"}},
      {"P", &Table::Command14, {"PairDealt"}},
      {"I", &Table::Command12, {"InsuranceOffered"}},
      {"R", &Table::Command13, {"PlayersTurn", "PairDealt", "InsuranceOffered"}},
      // Deal where it can deal, else Done where an entry is open.
      {"Enter", &Table::Command1, {"BeforeTheFirstDeal", "DealSettled"}},
      {"Enter", &Table::Command2, {"DoubleDownEntryOpen", "InsuranceEntryOpen", "PaymentEntryOpen"}},
  };
  std::vector<KeyRow> rows;
  for (const Key& key : keys) {
    for (const Phase& phase : kPhases) {
      const bool acts = std::find_if(key.actsIn.begin(), key.actsIn.end(), [&](const char* p) {
                          return std::string(p) == phase.name;
                        }) != key.actsIn.end();
      // Enter is checked against the button it means in each phase.
      const bool deals = key.button == &Table::Command1;
      if (std::string(key.key) == "Enter" && !acts &&
          (deals
               ? std::string(phase.name).find("EntryOpen") != std::string::npos
               : phase.name == std::string("BeforeTheFirstDeal") || phase.name == std::string("DealSettled")))
        continue;
      const std::string button = deals ? "Deal" : std::string(key.key) == "Enter" ? "Done" : "";
      rows.push_back(
          {std::string(key.key) + button + "In" + phase.name, phase.name, key.key, key.button, acts});
    }
  }
  return rows;
}

INSTANTIATE_TEST_SUITE_P(EveryKeyInEveryPhase, TableKeyTest, ::testing::ValuesIn(keyRows()),
                         testing_support::RowName());

using LastBetTest = TableTest;

TEST_F(LastBetTest, PutsTheLastDealsBetBackOnceTheDealHasEnded) {
  deal(150, {"10C", "5D", "8H", "6S", "13S", "4C"});
  EXPECT_TRUE(tableKeyPress(t, "B"));
  EXPECT_EQ(t.Text1.text(), "150") << "during the deal the box is as it was";
  t.Command4.click();
  ASSERT_EQ(t.Text1.text(), "0");
  EXPECT_TRUE(tableKeyPress(t, "B"));
  EXPECT_EQ(t.Text1.text(), "150");
  EXPECT_EQ(t.entry.bet, 150);
}

TEST_F(LastBetTest, IsTheBetDealtNotTheDoubledStake) {
  deal(10, {"10C", "5D", "8H", "6S", "13S"});
  t.Command11.click();
  typeBet("20");
  t.Command2.click();
  ASSERT_EQ(t.Label16.caption, "Bet");
  ASSERT_TRUE(t.Command1.enabled);
  tableKeyPress(t, "B");
  EXPECT_EQ(t.Text1.text(), "10");
}

TEST_F(LastBetTest, IsNotRememberedAcrossANewStart) {
  deal(150, {"10C", "5D", "8H", "6S", "13S", "4C"});
  t.Command4.click();
  t.mnuItemExit.click();
  Table again{host, random, assets_, data_};
  tableLoad(again);
  ASSERT_EQ(again.money.bankBalance, t.money.bankBalance);
  EXPECT_TRUE(tableKeyPress(again, "B"));
  EXPECT_EQ(again.Text1.text(), "0");
}

TEST_F(LastBetTest, ABetTheBankNoLongerCoversComesBackAndDealRefusesIt) {
  t.money.bankBalance = 700;
  deal(500, {"10C", "10D", "8H", "6S", "13S"});
  t.Command3.click();  // 16 and a king bust
  ASSERT_EQ(t.money.bankBalance, 200);
  tableKeyPress(t, "B");
  EXPECT_EQ(t.Text1.text(), "500");
  const auto before = tableState();
  tableKeyPress(t, "Enter");
  EXPECT_EQ(tableState(), before) << "Deal refuses a bet above the bank, as for a typed one";
}

TEST_F(LastBetTest, LeavesAnOpenEntryAlone) {
  deal(150, {"10C", "5D", "8H", "6S", "13S", "4C"});
  t.Command4.click();
  t.money.debt = 500;
  t.mnuItemPayDebt.enabled = true;
  t.mnuItemPayDebt.click();
  ASSERT_EQ(t.Label16.caption, "Pay");
  tableKeyPress(t, "B");
  EXPECT_EQ(t.Text1.text(), "0");
  EXPECT_EQ(t.Label16.caption, "Pay");
}

TEST_F(TableTest, OtherLettersAreTakenAndDoNothing) {
  typeBet("75");
  const auto before = tableState();
  for (const char* key : {"X", "A", "Q"})
    EXPECT_TRUE(tableKeyPress(t, key)) << key;
  EXPECT_EQ(tableState(), before);
  EXPECT_FALSE(tableKeyPress(t, "5")) << "digits go on to the bet box";
}

TEST_F(TableTest, EachButtonsTooltipNamesItsKey) {
  const std::pair<const Control*, const char*> tips[] = {
      {&t.Command1, "Deal (Enter)"},   {&t.Command2, "Done (Enter)"},     {&t.Command3, "Hit (H)"},
      {&t.Command4, "Stand (S)"},      {&t.Command11, "Double Down (D)"}, {&t.Command12, "Insurance (I)"},
      {&t.Command13, "Surrender (R)"}, {&t.Command14, "Split (P)"},
  };
  for (auto [button, tip] : tips)
    EXPECT_EQ(button->toolTip, tip) << button->name;
}

}  // namespace
}  // namespace game::testing

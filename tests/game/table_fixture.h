// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A freshly started table with a scripted host and a deck the test stacks.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "game/table.h"
#include "game/table_startup.h"
#include "platform/text_number.h"
#include "support/fake_host.h"
#include "support/scripted_random.h"
#include "support/temp_folder.h"

namespace game::testing {

// The next draws of the table take these cards, in this order; the rest of
// the deck follows in table order, so a deck still holds each card once.
inline void stackDeck(Table& t, const std::vector<std::string>& codes) {
  std::vector<std::string> order = {""};  // row 0 is never drawn
  order.insert(order.end(), codes.begin(), codes.end());
  for (int i = 1; i <= kDeckSize; ++i) {
    const std::string& code = t.deck.cardNames[static_cast<std::size_t>(i)];
    if (std::find(codes.begin(), codes.end(), code) == codes.end()) order.push_back(code);
  }
  order[0] = order.back();
  order.pop_back();
  t.MSFlexGrid1.setRows(0);
  for (std::size_t row = 0; row < order.size(); ++row) {
    t.MSFlexGrid1.addItem();
    t.MSFlexGrid1.setTextMatrix(static_cast<int>(row), 0, std::to_string(row + 1));
    t.MSFlexGrid1.setTextMatrix(static_cast<int>(row), 1, order[row]);
  }
  t.deck.deckPosition = 0;
}

// Everything a person sees of the table, and the money and the deck.
inline auto tableStateOf(const Table& t) {
  std::vector<std::tuple<std::string, bool, bool, std::string, std::string, std::string>> controls;
  for (const Control* c : t.controls)
    controls.emplace_back(c->name, c->visible, c->enabled, c->caption, c->picture, c->text());
  return std::make_tuple(controls, t.height, t.icon, t.deck.deckPosition, t.money.bankBalance);
}

class TableTest : public ::testing::Test {
 protected:
  explicit TableTest(std::filesystem::path assets = "/opt/tavorin") : assets_(std::move(assets)) {
    tableLoad(t);
  }
  ~TableTest() override {
    std::error_code ignored;
    std::filesystem::remove_all(data_, ignored);
  }

  // The next draws take these cards, in this order; the rest of the deck
  // follows in table order, so a deck still holds each card once.
  void stack(const std::vector<std::string>& codes) { stackDeck(t, codes); }

  // Bets the amount and deals from a deck stacked with these cards: hole
  // card, player, up card, player, then what later draws take.
  void deal(double amount, const std::vector<std::string>& cards) {
    typeBet(platform::plainForm(amount));
    stack(cards);
    t.Command1.click();
  }

  // Types an amount into the bet box.
  void typeBet(const std::string& text) { t.Text1.setText(text); }

  // Everything a person sees of the table, and the money and the deck.
  auto tableState() const { return tableStateOf(t); }

  int visibleDealerSlots() {
    int shown = 0;
    for (int n = 10; n <= 18; ++n)
      shown += t.Image(n).visible;
    return shown;
  }

  std::string picture(int slot) { return t.Image(slot).picture; }
  std::string face(const std::string& file) { return t.installPath + file; }

  std::filesystem::path assets_;
  // Each test keeps its player file in a folder of its own.
  std::filesystem::path data_ = testing_support::freshTempFolder("tavorin-data");
  testing_support::FakeHost host;
  testing_support::ScriptedRandom random;
  Table t{host, random, assets_, data_};
};

}  // namespace game::testing

// SPDX-License-Identifier: GPL-3.0-or-later
// The real table driven through its handlers by any sequence of what a player
// can do: chips in both modes, any text typed into the bet box, every button,
// Done in every mode, the bank menu, Exit and a new start over the player
// file. After every action the money must make sense: the bank moves only at
// a settlement, a surrender, a deposit or a payment, and by no more than the
// stakes the bank covered; no stake is negative; the debt stays within its
// cap; and the player file reads back as the amounts saved.

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <random>
#include <string>

#include "data_file_fuzz.h"
#include "fuzz_check.h"
#include "game/bankroll/player_file.h"
#include "game/stakes.h"
#include "game/table.h"
#include "game/table_startup.h"
#include "platform/text_file.h"
#include "platform/text_number.h"
#include "support/fake_host.h"

namespace {

class SeededRandom : public platform::RandomSource {
 public:
  explicit SeededRandom(unsigned seed) : engine_(seed) {}
  void reseedFromClock() override {}
  double next() override { return uniform_(engine_); }

 private:
  std::mt19937 engine_;
  std::uniform_real_distribution<double> uniform_{0.0, 1.0};
};

// The input, read a byte at a time; zeros once it runs out.
class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool done() const { return at_ >= size_; }
  std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
  std::string text(std::size_t length) {
    std::string out;
    while (out.size() < length && !done())
      out += static_cast<char>(byte());
    return out;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

constexpr const char* kTexts[] = {
    "-1000",   "-1",  "0",      "0.5",  "1",     "5", "10",  "49.5", "100", "999",
    "10000",   "1E3", "1E+169", "-1E9", "1e999", "",  "abc", " 7",   "2D2", "9.99999999999999999",
    "1000000", "-0",  "25"};
constexpr double kBankLimit = 10000;
constexpr double kDebtLimit = 1000000;

struct Before {
  double bank, debt, handBet, secondHandBet, insuranceBet;
  bool dealInPlay, isSplit, firstSurrendered, secondSurrendered;
  std::string mode;
};

Before moneyOf(const game::Table& t) {
  return {t.money.bankBalance,          t.money.debt,      t.stakes.handBet, t.stakes.secondHandBet,
          t.stakes.insuranceBet,        t.play.dealInPlay, t.play.isSplit,   t.play.firstHandSurrendered,
          t.play.secondHandSurrendered, t.Label16.caption};
}

void checkAlways(const game::Table& t) {
  FUZZ_CHECK(std::isfinite(t.money.bankBalance) && std::isfinite(t.money.debt));
  FUZZ_CHECK(t.stakes.handBet >= 0 && t.stakes.secondHandBet >= 0 && t.stakes.insuranceBet >= 0);
  // Every stake on the table is one the bank covered.
  if (t.play.dealInPlay) FUZZ_CHECK(game::stakesAtRisk(t) <= t.money.bankBalance);
}

// Equal but for the rounding of a few additions.
bool near(double a, double b) {
  return std::fabs(a - b) <= 1e-9 * std::max({1.0, std::fabs(a), std::fabs(b)});
}

// What one action may have done to the bank.
void checkMove(const Before& before, const game::Table& t, bool doneClicked, bool dealClicked) {
  // A player file may hold any debt; no action takes one out of its bounds.
  const auto withinBounds = [](double debt) { return debt >= 0 && debt <= kDebtLimit; };
  if (withinBounds(before.debt)) FUZZ_CHECK(withinBounds(t.money.debt));
  const double moved = t.money.bankBalance - before.bank;
  // A bank that was not negative never becomes so.
  if (before.bank >= 0) FUZZ_CHECK(t.money.bankBalance >= 0);
  if (doneClicked && before.mode == "Debt") {
    // Refused, or the debt grows by the deposit up to its cap (which also
    // takes down a debt beyond it that a player file held).
    FUZZ_CHECK(moved >= 0 && (moved == 0 || t.money.bankBalance <= kBankLimit));
    const bool refused = moved == 0 && t.money.debt == before.debt;
    FUZZ_CHECK(refused || near(t.money.debt, std::min(before.debt + moved, kDebtLimit)));
    return;
  }
  if (doneClicked && before.mode == "Pay") {
    FUZZ_CHECK(moved <= 0 && (moved == 0 || t.money.bankBalance >= 1));
    // Beyond fifteen digits (a player file may hold such a bank) a payment
    // is lost in the bank's rounding; the game shows no more digits anyway.
    if (std::fabs(before.bank) < 1e15) FUZZ_CHECK(near(t.money.debt, before.debt + moved));
    return;
  }
  FUZZ_CHECK(t.money.debt == before.debt);
  if (moved == 0) return;
  // Otherwise only the end of a deal moves money: a settlement or a
  // surrender, by no more than the stakes (as they stood at the end) and the
  // insurance of each hand. A natural settles in the click that deals it.
  FUZZ_CHECK((before.dealInPlay || dealClicked) && !t.play.dealInPlay);
  const double hands = t.play.isSplit ? 2 : 1;
  const double stakes = t.stakes.handBet + (t.play.isSplit ? t.stakes.secondHandBet : 0);
  const double most = stakes + before.insuranceBet * hands;
  FUZZ_CHECK(moved >= -most || near(moved, -most));
  FUZZ_CHECK(moved <= 2 * most || near(moved, 2 * most));
}

std::unique_ptr<game::Table> start(testing_support::FakeHost& host, platform::RandomSource& random) {
  auto t = std::make_unique<game::Table>(host, random, "/nonexistent-assets", fuzzDataFolder());
  game::tableLoad(*t);
  checkAlways(*t);
  return t;
}

// Saves as a player leaving would, starts again and checks the amounts came
// back as saved.
void leaveAndRestart(std::unique_ptr<game::Table>& t, testing_support::FakeHost& host,
                     platform::RandomSource& random, bool byClose) {
  const std::string bank = platform::plainForm(t->money.bankBalance);
  const std::string debt = platform::plainForm(t->money.debt);
  if (byClose) {
    FUZZ_CHECK(t->onQueryUnload && t->onQueryUnload());
  } else {
    t->mnuItemExit.click();
  }
  FUZZ_CHECK(host.messages.empty());
  const auto lines = platform::readLines(game::playerFilePath(*t), 2);
  FUZZ_CHECK(lines && lines->size() == 2);
  t = start(host, random);
  FUZZ_CHECK(platform::plainForm(t->money.bankBalance) == bank && platform::plainForm(t->money.debt) == debt);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in(data, size);
  testing_support::FakeHost host;
  SeededRandom random(in.byte() | (in.byte() << 8u));
  // Each input starts from a player file of its own choosing.
  const std::filesystem::path file = fuzzDataFolder() / "user.dat";
  const std::uint8_t opening = in.byte();
  if (opening % 4 == 0) {
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
  } else {
    putBytes(file, std::string(kTexts[in.byte() % std::size(kTexts)]) + "\r\n" +
                       kTexts[in.byte() % std::size(kTexts)] + "\r\n");
  }
  auto t = start(host, random);

  for (int step = 0; step < 2000 && !in.done(); ++step) {
    const Before before = moneyOf(*t);
    const std::uint8_t action = in.byte() % 22;
    bool doneClicked = false;
    game::Table& table = *t;
    switch (action) {
      case 0:
      case 1:
      case 2:
      case 3:
      case 4:
      case 5:
        table.chips()[action]->click();
        break;
      case 6:
        table.Label17.click();
        break;
      case 7:
        table.Label18.click();
        break;
      case 8:
        table.Text1.setText(kTexts[in.byte() % std::size(kTexts)]);
        break;
      case 9:
        table.Text1.setText(in.text(in.byte() % 24));
        break;
      case 10:
        table.Command1.click();
        break;
      case 11:
        table.Command3.click();
        break;
      case 12:
        table.Command4.click();
        break;
      case 13:
        table.Command11.click();
        break;
      case 14:
        table.Command12.click();
        break;
      case 15:
        table.Command13.click();
        break;
      case 16:
        table.Command14.click();
        break;
      case 17:
        doneClicked = table.Command2.visible && table.Command2.enabled;
        table.Command2.click();
        break;
      case 18:
        table.mnuItemAddBalance.click();
        break;
      case 19:
        table.mnuItemPayDebt.click();
        break;
      case 20:
        table.Label16.click();
        break;
      case 21:
        leaveAndRestart(t, host, random, in.byte() % 2 == 0);
        continue;
    }
    checkAlways(*t);
    checkMove(before, *t, doneClicked, action == 10);
    FUZZ_CHECK(host.messages.empty());
  }
  leaveAndRestart(t, host, random, false);
  return 0;
}

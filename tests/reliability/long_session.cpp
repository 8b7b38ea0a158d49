// SPDX-License-Identifier: GPL-3.0-or-later
// A long scripted session of the game: deals with random play (hits,
// stands, splits, double downs, insurance, surrenders), loans and payments
// between deals. After every deal it checks that the bank moved by exactly
// what the settlement rules give for the cards on the table and the stakes
// the script placed, and after every click that no card came out of the deck
// twice between two shuffles.
//   long_session [deals, default 100000] [seed, default 1]
// Prints the counts of what was played; exits non-zero at the first fault.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "game/table.h"
#include "game/table_startup.h"
#include "platform/text_number.h"
#include "support/fake_host.h"
#include "support/temp_folder.h"

namespace {

using game::Table;

// The deck's randomness from a fixed seed; counts the shuffles.
class CountingRandom : public platform::RandomSource {
 public:
  explicit CountingRandom(unsigned seed) : engine_(seed) {}
  void reseedFromClock() override { ++shuffles; }
  double next() override { return uniform_(engine_); }
  long shuffles = 0;

 private:
  std::mt19937_64 engine_;
  std::uniform_real_distribution<double> uniform_{0.0, 1.0};
};

[[noreturn]] void fault(long deal, const std::string& what) {
  std::fprintf(stderr, "deal %ld: %s\n", deal, what.c_str());
  std::exit(1);
}

// The counted total of a hand by the counting rules, from its ranks.
double countedTotal(const game::HandCards& cards, bool dealer) {
  double hard = 0;
  int aces = 0;
  for (std::size_t n = 1; n < cards.size(); ++n) {
    const double v = std::min(cards[n], 10.0);
    aces += cards[n] == 1;
    hard += v;
  }
  const double soft = (dealer ? aces == 1 : aces >= 1) ? hard + 10 : 0;
  return soft > 0 && soft < 22 ? soft : hard;
}

int cardCount(const game::HandCards& cards) {
  return static_cast<int>(std::count_if(cards.begin() + 1, cards.end(), [](double r) { return r != 0; }));
}

enum class Outcome { User, Dealer, Draw };

Outcome result(double h, double d) {
  if (h <= 21) return d > 21 || h > d ? Outcome::User : h == d ? Outcome::Draw : Outcome::Dealer;
  return d <= 21 ? Outcome::Dealer : Outcome::Draw;
}

// What one hand moves into the bank at settlement, its insurance included.
double handPayment(double h, int n, double stake, double d, int dealerCards, double insurance) {
  double change = 0;
  switch (result(h, d)) {
    case Outcome::User:
      change += h == 21 && n == 2 ? std::floor(1.5 * stake) : stake;
      break;
    case Outcome::Dealer:
      change -= stake;
      break;
    case Outcome::Draw:
      break;
  }
  change += dealerCards == 2 && d == 21 ? 2 * insurance : -insurance;
  if (h == 21 && n == 2 && d == 21 && dealerCards > 2) change += std::floor(0.5 * stake);
  return change;
}

// What the script did in one deal.
struct Stakes {
  double bet = 0;  // the amount of the bet box while the deal runs
  double first = 0;
  double second = 0;
  double insurance = 0;
  bool firstSurrendered = false;
  bool secondSurrendered = false;
  bool singleSurrendered = false;
};

struct Counts {
  long deals = 0, splits = 0, doubles = 0, refusedDoubles = 0, insurances = 0, surrenders = 0, loans = 0,
       refusedLoans = 0, payments = 0, refusedPayments = 0, shuffles = 0, cards = 0, naturals = 0,
       restarts = 0, refusedDeals = 0;
};

class Session {
 public:
  Session(unsigned seed, const std::filesystem::path& data) : random_(seed), script_(seed + 1), data_(data) {
    start();
  }

  void play(long deals) {
    // Bounded: a round whose bet the bank cannot cover deals nothing.
    for (deal_ = 1; counts_.deals < deals && deal_ <= 2 * deals; ++deal_) {
      betweenDeals();
      playOneDeal();
    }
    counts_.shuffles = random_.shuffles;
  }

  const Counts& counts() const { return counts_; }
  double bank() const { return table_->money.bankBalance; }
  double debt() const { return table_->money.debt; }

 private:
  bool chance(double p) { return std::bernoulli_distribution(p)(script_); }
  double amount(double low, double high) {
    return std::floor(std::uniform_real_distribution<double>(low, high + 1)(script_));
  }
  void type(double value) { table_->Text1.setText(platform::plainForm(value)); }

  // Starts the program over the player file.
  void start() {
    table_ = std::make_unique<Table>(host_, random_, "/nonexistent-assets", data_);
    game::tableLoad(*table_);
    drawnSinceShuffle_.clear();  // the start shuffled a new deck
    rememberDeck();
  }

  // File > Exit and a new start: the bank and the debt come back as they were.
  void restart() {
    const double bank = table_->money.bankBalance, debt = table_->money.debt;
    click(table_->mnuItemExit);
    start();
    ++counts_.restarts;
    if (table_->money.bankBalance != bank || table_->money.debt != debt)
      fault(deal_, "the player file gave other amounts back");
  }

  // Loans when the bank is empty, payments now and then, some of each
  // refused; a new start when the bank cannot cover a bet any more.
  void betweenDeals() {
    if (table_->money.bankBalance < 1 && !table_->mnuItemAddBalance.enabled) restart();
    if (chance(0.001)) restart();
    if (table_->mnuItemAddBalance.enabled && table_->money.bankBalance < 10000) {
      const double before = table_->money.bankBalance, debtBefore = table_->money.debt;
      const double wanted = chance(0.1) ? 10001 - before : amount(0, 10000 - before);
      click(table_->mnuItemAddBalance);
      type(wanted);
      click(table_->Command2);
      if (before + wanted > 10000) {
        ++counts_.refusedLoans;
        if (table_->money.bankBalance != before || table_->money.debt != debtBefore ||
            !table_->Command2.visible)
          fault(deal_, "loan not refused");
        type(0);
        click(table_->Command2);
      } else {
        ++counts_.loans;
        if (table_->money.bankBalance != before + wanted ||
            table_->money.debt != std::min(debtBefore + wanted, 1000000.0))
          fault(deal_, "loan moved the wrong amounts");
      }
      if (table_->Command2.visible || table_->Label16.caption != "Bet")
        fault(deal_, "the loan entry stayed open");
    }
    if (table_->mnuItemPayDebt.enabled && table_->money.debt > 0 && table_->money.bankBalance > 1 &&
        chance(0.05)) {
      const double before = table_->money.bankBalance, debtBefore = table_->money.debt;
      const double wanted =
          chance(0.2) ? std::max(before, debtBefore + 1) : amount(0, std::min(before - 1, debtBefore));
      click(table_->mnuItemPayDebt);
      type(wanted);
      click(table_->Command2);
      if (debtBefore - wanted < 0 || before - wanted < 1) {
        ++counts_.refusedPayments;
        if (table_->money.bankBalance != before || table_->money.debt != debtBefore)
          fault(deal_, "payment not refused");
        type(0);
        click(table_->Command2);
      } else {
        ++counts_.payments;
        if (table_->money.bankBalance != before - wanted || table_->money.debt != debtBefore - wanted)
          fault(deal_, "payment moved the wrong amounts");
      }
      if (table_->Command2.visible) fault(deal_, "the payment entry stayed open");
    }
  }

  bool dealIsOver() const { return !table_->Command3.enabled && !table_->Command2.visible; }

  void playOneDeal() {
    Stakes s;
    const double before = table_->money.bankBalance;
    if (before < 1) {
      // A bet the bank cannot cover changes nothing.
      type(1);
      click(table_->Command1);
      if (table_->Command3.enabled || table_->money.bankBalance != before)
        fault(deal_, "a bet above the bank was dealt");
      ++counts_.refusedDeals;
      return;
    }
    s.bet = amount(1, std::min(table_->money.bankBalance, 500.0));
    s.first = s.bet;
    type(s.bet);
    click(table_->Command1);
    if (table_->Command1.enabled && !dealIsOver()) fault(deal_, "Deal stayed enabled");
    ++counts_.deals;

    for (int step = 0; !dealIsOver(); ++step) {
      if (step > 100) fault(deal_, "the deal does not end");
      playerStep(s);
    }
    checkSettlement(s, before);
  }

  void playerStep(Stakes& s) {
    const bool second = table_->play.activeHand == 2;
    const double total = second ? table_->play.secondHandTotal : table_->play.firstHandTotal;
    if (table_->Command12.visible && table_->Command12.enabled && chance(0.5)) {
      click(table_->Command12);
      if (table_->Label16.caption != "Ins") return;  // a 21 settles at once
      // Half the hand's stake, as far as the bank covers it beside the stake.
      const double limit = std::min(std::floor(s.first * 0.5), table_->money.bankBalance - s.first);
      if (chance(0.1)) {
        type(limit + 1);
        click(table_->Command2);
        if (table_->Label16.caption != "Ins") fault(deal_, "insurance above the limit accepted");
      }
      s.insurance = amount(0, limit);
      type(s.insurance);
      click(table_->Command2);
      if (table_->Label16.caption != "Bet" || table_->entry.bet != s.bet)
        fault(deal_, "insurance not completed");
      ++counts_.insurances;
      return;
    }
    if (table_->Command14.enabled && table_->Command14.visible && chance(0.7)) {
      // Both stakes, and the insurance that each hand then settles.
      const bool covered = s.first + std::nearbyint(s.first) + 2 * s.insurance <= table_->money.bankBalance;
      click(table_->Command14);
      if (table_->play.isSplit != covered) fault(deal_, "split against the bank rule");
      if (covered) {
        s.second = std::nearbyint(s.first);
        ++counts_.splits;
      }
      return;
    }
    if (table_->Command13.enabled && chance(0.04)) {
      if (!table_->play.isSplit)
        s.singleSurrendered = true;
      else if (second)
        s.secondSurrendered = true;
      else
        s.firstSurrendered = true;
      ++counts_.surrenders;
      click(table_->Command13);
      return;
    }
    if (table_->Command11.enabled && total < 21 && chance(0.15)) {
      // From the hand's stake up to twice it, as far as the bank covers it
      // beside the other hand and the insurance.
      const double stake = second ? s.second : s.first;
      double others = s.insurance;
      if (table_->play.isSplit) {
        others += second ? (s.firstSurrendered ? std::floor(s.first * 0.5) : s.first + s.insurance)
                         : s.second + s.insurance;
      }
      const double most = std::min(2 * stake, table_->money.bankBalance - others);
      click(table_->Command11);
      if (table_->Label16.caption != "D-D") return;
      if (chance(0.1)) {
        type(chance(0.5) ? most + 1 : stake - 1);
        click(table_->Command2);
        if (table_->Label16.caption != "D-D") fault(deal_, "double down outside the limits accepted");
        ++counts_.refusedDoubles;
      }
      const double raised = amount(stake, most);
      type(raised);
      click(table_->Command2);
      if (table_->Label16.caption != "Bet") fault(deal_, "double down not completed");
      s.bet = raised;
      if (second)
        s.second = std::nearbyint(raised);
      else
        s.first = raised;
      ++counts_.doubles;
      return;
    }
    if (table_->Command3.enabled && total < 17 && !chance(0.1)) {
      click(table_->Command3);
    } else {
      click(table_->Command4);
    }
  }

  void checkSettlement(const Stakes& s, double before) {
    double expected = 0;
    if (s.singleSurrendered) {
      expected = -std::floor(s.first * 0.5);
    } else {
      const double d = countedTotal(table_->play.dealerCards, true);
      const int dealerCards = cardCount(table_->play.dealerCards);
      if (s.firstSurrendered) expected -= std::floor(s.first * 0.5);
      if (s.secondSurrendered) expected -= std::floor(s.second * 0.5);
      const double h1 = countedTotal(table_->play.firstHandCards, false);
      const int n1 = cardCount(table_->play.firstHandCards);
      if (!s.firstSurrendered) expected += handPayment(h1, n1, s.first, d, dealerCards, s.insurance);
      if (table_->play.isSplit && !s.secondSurrendered)
        expected +=
            handPayment(countedTotal(table_->play.secondHandCards, false),
                        cardCount(table_->play.secondHandCards), s.second, d, dealerCards, s.insurance);
      counts_.naturals += h1 == 21 && n1 == 2;
    }
    if (table_->money.bankBalance != before + expected)
      fault(deal_, "bank " + platform::plainForm(table_->money.bankBalance) + ", expected " +
                       platform::plainForm(before + expected) + " (before " + platform::plainForm(before) +
                       ")");
    if (table_->Label14.caption != platform::plainForm(table_->money.bankBalance))
      fault(deal_, "Label14 shows another bank");
    if (table_->entry.bet != 0 || table_->Text1.text() != "0") fault(deal_, "the bet box was not cleared");
  }

  // Clicks, then checks the cards that came out of the deck in that click.
  template <typename Clickable>
  void click(Clickable& control) {
    control.click();
    checkDeck();
  }

  void rememberDeck() {
    deck_.clear();
    for (int row = 0; row < table_->MSFlexGrid1.rows(); ++row)
      deck_.push_back(table_->MSFlexGrid1.textMatrix(row, 1));
    std::set<std::string> distinct(deck_.begin(), deck_.end());
    if (deck_.size() != 52 || distinct.size() != 52 || distinct.count("") != 0)
      fault(deal_, "the deck does not hold 52 different cards");
    position_ = table_->deck.deckPosition;
    shuffles_ = random_.shuffles;
  }

  // Cards drawn since the last shuffle never repeat; after a shuffle the
  // drawn cards of the old deck are forgotten.
  void checkDeck() {
    std::vector<std::string> drawn;
    const std::vector<std::string> old = deck_;
    const int oldPosition = position_;
    const long reshuffles = random_.shuffles - shuffles_;
    if (reshuffles > 1) fault(deal_, "two shuffles in one click");
    if (reshuffles == 1) {
      for (int row = oldPosition + 1; row <= 51; ++row)
        drawn.push_back(old[static_cast<std::size_t>(row)]);
      for (const std::string& code : drawn)
        if (!drawnSinceShuffle_.insert(code).second) fault(deal_, code + " drawn twice before the shuffle");
      drawnSinceShuffle_.clear();
      counts_.cards += static_cast<long>(drawn.size());
      rememberDeck();
      drawn.clear();
      for (int row = 1; row <= table_->deck.deckPosition; ++row)
        drawn.push_back(deck_[static_cast<std::size_t>(row)]);
    } else {
      for (int row = 0; row < table_->MSFlexGrid1.rows(); ++row)
        if (table_->MSFlexGrid1.textMatrix(row, 1) != old[static_cast<std::size_t>(row)])
          fault(deal_, "the deck changed without a shuffle");
      if (table_->deck.deckPosition < oldPosition)
        fault(deal_, "the deck position went back without a shuffle");
      for (int row = oldPosition + 1; row <= table_->deck.deckPosition; ++row)
        drawn.push_back(old[static_cast<std::size_t>(row)]);
      position_ = table_->deck.deckPosition;
    }
    for (const std::string& code : drawn)
      if (!drawnSinceShuffle_.insert(code).second) fault(deal_, code + " drawn twice between shuffles");
    counts_.cards += static_cast<long>(drawn.size());
  }

  testing_support::FakeHost host_;
  CountingRandom random_;
  std::mt19937 script_;
  std::filesystem::path data_;
  std::unique_ptr<Table> table_;
  long deal_ = 0;
  Counts counts_;
  std::vector<std::string> deck_;
  int position_ = 0;
  long shuffles_ = 0;
  std::set<std::string> drawnSinceShuffle_;
};

}  // namespace

int main(int argc, char** argv) {
  const long deals = argc > 1 ? std::stol(argv[1]) : 100000;
  const unsigned seed = argc > 2 ? static_cast<unsigned>(std::stoul(argv[2])) : 1;
  const auto data = testing_support::freshTempFolder("long-session");
  Session session(seed, data);
  session.play(deals);
  const Counts& c = session.counts();
  if (c.deals < deals) {
    std::fprintf(stderr, "only %ld deals could be dealt\n", c.deals);
    return 1;
  }
  std::printf(
      "%ld deals (seed %u), %ld bets above the bank refused: %ld splits, %ld double downs (%ld over the "
      "limit refused), %ld insurances, "
      "%ld surrenders, %ld naturals, %ld loans (%ld refused), %ld payments (%ld refused), %ld shuffles, "
      "%ld cards drawn, %ld new starts over the player file; bank %s, debt %s; no fault\n",
      c.deals, seed, c.refusedDeals, c.splits, c.doubles, c.refusedDoubles, c.insurances, c.surrenders,
      c.naturals, c.loans, c.refusedLoans, c.payments, c.refusedPayments, c.shuffles, c.cards, c.restarts,
      platform::plainForm(session.bank()).c_str(), platform::plainForm(session.debt()).c_str());
  std::filesystem::remove_all(data);
  return 0;
}

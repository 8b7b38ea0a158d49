// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tavorin's table: the one window of the game and the whole game state.
//
// `Table` is both the window model (its controls, named as on the table:
// Command1 "Deal", Label14 the bank, Image1..Image27 the card slots) and the
// state of the game that lives for the whole run. The handlers in this folder
// are free functions over a Table, one file per behaviour: the deal starts in
// deal.cpp, the player's Hit and Stand in hit_stand.cpp, the dealer plays in
// dealer_play.cpp and settlement.cpp ends every deal. Cards come from the deck
// store through deck.cpp; bankroll/ holds the bet strip. Everything that
// touches the desktop goes through the Host; the shuffle's randomness through
// the RandomSource, so tests can stack a deck.

#include <array>
#include <filesystem>
#include <memory>
#include <string>

#include "game/deck_store.h"
#include "game/statistics/statistics_book.h"
#include "platform/control.h"
#include "platform/host.h"
#include "platform/random_source.h"

namespace game {

using platform::Control;
using platform::MenuItem;

constexpr int kDeckSize = 52;

// A hand's cards by position 1..52: the rank 1..13, or 0 for no card.
using HandCards = std::array<double, kDeckSize + 1>;

// The deck's names and the position of the last card drawn. Written by the
// startup, the shuffle and every draw.
struct DeckState {
  std::array<std::string, kDeckSize + 1> cardNames;
  int deckPosition = 0;
};

// The cards on the table and how play stands. Written by the deal, the
// player's actions, the dealer's play, the settlement and the reset.
struct DealState {
  std::string holeCardCode;
  HandCards dealerCards{};
  HandCards firstHandCards{};
  HandCards secondHandCards{};
  int activeHand = 0;
  double dealerTotal = 0;
  double firstHandTotal = 0;
  double secondHandTotal = 0;
  int dealerCardCount = 0;
  int firstHandCardCount = 0;
  int secondHandCardCount = 0;
  bool isSplit = false;
  bool firstHandSurrendered = false;
  bool secondHandSurrendered = false;
  // From the deal until its settlement or surrender: the player's turn or
  // an entry opened during it. Done gives back only the buttons that fit.
  bool dealInPlay = false;
  // Hands doubled in the deal in play, for the statistics.
  int doubles = 0;
};

// The stakes on the table, as settlement pays them. Written by Deal, double
// down, split, insurance and the reset; never by the bet box.
struct StakeState {
  double handBet = 0;
  double secondHandBet = 0;
  double insuranceBet = 0;
};

// The amount in the bet box and the one kept aside while an entry is open.
// Written by the bet strip and by opening and closing the entry modes.
struct BetBox {
  double bet = 0;
  double savedBet = 0;
  // The bet the last deal of this run was dealt with, for the B key; 0
  // before the first deal. Written by Deal.
  double lastDealBet = 0;
};

// The player's money. Written by settlement, surrender, deposits, payments
// and the player file.
struct Money {
  double bankBalance = 0;
  double debt = 0;
  // Why the player file there at start could not be read; empty when it was
  // read or was missing. While set, leaving asks before replacing that file.
  std::string playerFileProblem;
};

class Table : public platform::Form {
 public:
  Table(platform::Host& host, platform::RandomSource& random, std::filesystem::path assetFolder,
        std::filesystem::path dataFolder);

  platform::Host& host;
  platform::RandomSource& random;
  const std::filesystem::path assetFolder;
  const std::filesystem::path dataFolder;  // where the player file lives

  // The game state, in the groups its writers share.
  DeckState deck;
  DealState play;
  StakeState stakes;
  BetBox entry;
  Money money;
  // Every finished deal, for Help > Statistics. Written by the end of each
  // deal, the Statistics window's Reset and leaving.
  StatisticsBook statistics;
  std::string installPath;  // the asset folder, ending in "/"

  DeckStore MSFlexGrid1;

  // Card slots: Image(1..9) first hand, Image(10..18) dealer, Image(19..27)
  // second hand.
  Control& Image(int n) { return *images_.at(static_cast<std::size_t>(n)); }

  Control Command1, Command2, Command3, Command4, Command5, Command6, Command7, Command8, Command9, Command10,
      Command11, Command12, Command13, Command14;
  Control Text1, Option1, Option2;
  Control Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10, Label11, Label12,
      Label13, Label14, Label15, Label16, Label17, Label18, Label19, Label20, Label21, Label22, Label23;
  Control Shape1, Shape2, Line1;

  MenuItem mnuItemFile, mnuItemAddBalance, mnuItemPayDebt, mnuItemExit;
  MenuItem mnuItemHelp, mnuItemManual, mnuItemHouseRules, mnuItemStatistics, mnuItemAbout;

  // Makes an icon file of the installation folder the window's icon.
  void setIcon(const std::string& file) { icon = installPath + file; }

  // The six chips in order of value, with their values.
  std::array<Control*, 6> chips() {
    return {&Command5, &Command6, &Command7, &Command8, &Command9, &Command10};
  }
  static constexpr std::array<double, 6> kChipValues{1, 5, 10, 50, 100, 500};

 private:
  std::array<std::unique_ptr<Control>, 28> images_;
  std::vector<Control*> optionGroup_;
};

}  // namespace game

// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/table_startup.h"

#include "game/bankroll/bank_label.h"
#include "game/bankroll/player_file.h"
#include "game/deck.h"
#include "game/entry_mode.h"
#include "game/table_rules.h"

namespace game {

void tableLoad(Table& t) {
  initializeGame(t);
  // The program's own icon until the first deal gives the phase icons.
  t.setIcon("tavorin.ICO");
  loadPlayerFile(t);
  if (t.money.bankBalance <= 0) {
    t.mnuItemAddBalance.enabled = true;
    t.mnuItemPayDebt.enabled = false;
  }
  if (t.money.debt == 0) t.mnuItemPayDebt.enabled = false;
  shuffleDeck(t);
  resetTable(t);
}

void initializeGame(Table& t) {
  static constexpr const char* kSuits[] = {"C", "D", "H", "S"};
  for (int i = 1; i <= kDeckSize; ++i) {
    t.deck.cardNames[static_cast<std::size_t>(i)] = std::to_string((i - 1) / 4 + 1) + kSuits[(i - 1) % 4];
  }
  t.play.dealerCards.fill(0);
  t.play.firstHandCards.fill(0);
  t.installPath = t.assetFolder.string();
  if (t.installPath.empty() || t.installPath.back() != '/') t.installPath += '/';
  t.money.bankBalance = rules::kStartingBank;
  showBank(t);
  t.entry.bet = 0;
  t.Text1.setText("0");
  t.stakes.insuranceBet = 0;
  t.Option1.setValue(true);
  setEntryMode(t, kBetEntry);
  t.Command2.visible = false;
  t.Command12.visible = false;
}

void resetTable(Table& t) {
  t.Label7.caption = "";
  t.Label8.caption = "";
  t.play.firstHandTotal = 0;
  t.play.dealerTotal = 0;
  t.play.dealerCards.fill(0);
  t.play.firstHandCards.fill(0);
  t.play.secondHandCards.fill(0);
  t.play.secondHandTotal = 0;
  t.Command1.enabled = true;
  t.Line1.visible = false;
  for (Control* label : {&t.Label1, &t.Label4, &t.Label3, &t.Label6, &t.Label2, &t.Label5, &t.Label9,
                         &t.Label7, &t.Label23, &t.Label10, &t.Label8}) {
    label->visible = false;
  }
  t.Label4.caption = "0";
  t.Label5.caption = "0";
  t.Label6.caption = "0";
  t.Label13.caption = "";
  t.Label11.visible = false;
  t.Label12.visible = false;
  for (int n = 1; n <= 18; ++n)
    t.Image(n).visible = false;
  disablePlayerActions(t);
  t.height = 7515;
  for (int n = 19; n <= 27; ++n)
    t.Image(n).visible = false;
  t.play.isSplit = false;
  t.Shape1.visible = false;
  t.Shape2.visible = false;
  for (Control* sign : {&t.Label19, &t.Label20, &t.Label21, &t.Label22})
    sign->visible = false;
  t.stakes.handBet = 0;
  t.stakes.secondHandBet = 0;
  t.play.firstHandSurrendered = false;
  t.play.secondHandSurrendered = false;
}

void disablePlayerActions(Table& t) {
  t.Command3.enabled = false;
  t.Command4.enabled = false;
  t.Command11.enabled = false;
  t.Command12.visible = false;
  t.Command13.enabled = false;
  t.Command14.enabled = false;
}

}  // namespace game

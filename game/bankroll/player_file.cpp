// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/bankroll/player_file.h"

#include "game/bankroll/bank_label.h"
#include "game/table_rules.h"
#include "platform/text_file.h"
#include "platform/text_number.h"

namespace game {

std::filesystem::path playerFilePath(const Table& t) {
  return t.dataFolder / "user.dat";
}

void loadPlayerFile(Table& t) {
  const std::filesystem::path file = playerFilePath(t);
  const platform::LinesRead read = platform::readLinesOf(file, 2);
  if (read.outcome == platform::LinesRead::Outcome::Read && read.lines.size() == 2) {
    t.money.bankBalance = platform::leadingNumber(read.lines[0]);
    t.money.debt = platform::leadingNumber(read.lines[1]);
    showBank(t);
    return;
  }
  if (read.outcome == platform::LinesRead::Outcome::Unreadable) {
    // The saved bank may be worth more than the defaults: play on with them,
    // but leave the file alone and say so once.
    t.money.playerFileProblem = read.reason;
    t.host.messageBox("Your saved bank balance and debt could not be read from " + file.string() + " (" +
                          read.reason + "). This game starts with a bank of " +
                          platform::plainForm(rules::kStartingBank) + " and no debt.",
                      platform::MessageButtons::Ok);
  } else {
    // No message when the defaults cannot be written: the game goes on with
    // them and tries again on Exit.
    platform::writeLinesReplacing(file, {platform::plainForm(rules::kStartingBank), "0"});
  }
  t.money.bankBalance = rules::kStartingBank;
  t.money.debt = 0;
  showBank(t);
}

bool savePlayerFile(Table& t) {
  return platform::writeLinesReplacing(
      playerFilePath(t), {platform::signedForm(t.money.bankBalance), platform::signedForm(t.money.debt)});
}

std::string savePlayerFileOnLeaving(Table& t) {
  const std::filesystem::path file = playerFilePath(t);
  if (!t.money.playerFileProblem.empty()) {
    const auto answer =
        t.host.messageBox("Your saved bank balance and debt in " + file.string() +
                              " could not be read when this game started (" + t.money.playerFileProblem +
                              "). Replace that file with this game's bank balance and debt?\n\nOK replaces "
                              "it; Cancel leaves it "
                              "as it is.",
                          platform::MessageButtons::OkCancel);
    if (answer == platform::MessageAnswer::Cancel) return {};
  }
  if (!savePlayerFile(t)) return "Your bank balance and debt could not be saved to " + file.string() + ".";
  return {};
}

}  // namespace game

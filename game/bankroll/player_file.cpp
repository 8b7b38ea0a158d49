#include "game/bankroll/player_file.h"

#include "platform/text_file.h"
#include "platform/text_number.h"

namespace game {

std::filesystem::path playerFilePath(const Table& t) {
  return t.dataFolder / "user.dat";
}

void loadPlayerFile(Table& t) {
  const std::filesystem::path file = playerFilePath(t);
  const auto lines = platform::readLines(file, 2);
  if (lines && lines->size() == 2) {
    t.bankBalance = platform::leadingNumber((*lines)[0]);
    t.debt = platform::leadingNumber((*lines)[1]);
    t.Label14.caption = platform::plainForm(t.bankBalance);
    return;
  }
  // No message when the defaults cannot be written: the game goes on with
  // them and tries again on Exit.
  platform::writeLinesReplacing(file, {"3000", "0"});
  t.bankBalance = 3000;
  t.debt = 0;
  t.Label14.caption = "3000";
}

bool savePlayerFile(Table& t) {
  return platform::writeLinesReplacing(playerFilePath(t),
                                       {platform::signedForm(t.bankBalance), platform::signedForm(t.debt)});
}

}  // namespace game

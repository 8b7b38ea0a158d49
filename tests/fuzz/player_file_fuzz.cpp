// SPDX-License-Identifier: GPL-3.0-or-later
// The reader of user.dat: any content gives finite amounts or the defaults,
// and what the game writes back reads as the same amounts.

#include <cmath>

#include "data_file_fuzz.h"
#include "fuzz_check.h"
#include "game/bankroll/player_file.h"
#include "platform/text_file.h"
#include "platform/text_number.h"
#include "support/fake_host.h"
#include "support/scripted_random.h"

namespace {

game::Table& table() {
  static testing_support::FakeHost host;
  static testing_support::ScriptedRandom random;
  static game::Table t(host, random, "/nonexistent-assets", fuzzDataFolder());
  return t;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  game::Table& t = table();
  const auto file = game::playerFilePath(t);
  putBytes(file, fuzzText(data, size));
  const auto lines = platform::readLines(file, 2);

  game::loadPlayerFile(t);
  FUZZ_CHECK(std::isfinite(t.money.bankBalance) && std::isfinite(t.money.debt));
  FUZZ_CHECK(t.Label14.caption == platform::plainForm(t.money.bankBalance));
  if (lines && lines->size() == 2) {
    FUZZ_CHECK(t.money.bankBalance == platform::leadingNumber((*lines)[0]));
    FUZZ_CHECK(t.money.debt == platform::leadingNumber((*lines)[1]));
  } else {
    FUZZ_CHECK(t.money.bankBalance == 3000 && t.money.debt == 0);
    FUZZ_CHECK(fileBytes(file) == "3000\r\n0\r\n");
  }

  // Written and read again: the amounts in their fifteen-digit form, and
  // from then on unchanged by every further Exit and start.
  FUZZ_CHECK(game::savePlayerFile(t));
  const std::string bank = platform::plainForm(t.money.bankBalance);
  const std::string debt = platform::plainForm(t.money.debt);
  game::loadPlayerFile(t);
  FUZZ_CHECK(platform::plainForm(t.money.bankBalance) == bank && platform::plainForm(t.money.debt) == debt);
  const double once = t.money.bankBalance;
  const double onceDebt = t.money.debt;
  FUZZ_CHECK(game::savePlayerFile(t));
  game::loadPlayerFile(t);
  FUZZ_CHECK(t.money.bankBalance == once && t.money.debt == onceDebt);
  return 0;
}

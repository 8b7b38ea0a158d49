// SPDX-License-Identifier: GPL-3.0-or-later
// Plays many deals of Tavorin through the table's handlers, headless, and
// reports deals a second.
//
//   tavorin_deals_bench [DEALS]   (1,000,000 unless given)

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "game/table.h"
#include "game/table_startup.h"
#include "platform/random_source.h"
#include "support/headless_host.h"
#include "support/stand_on_17.h"
#include "support/timing.h"

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  const long deals = argc > 1 ? std::atol(argv[1]) : 1000000;
  const fs::path data = fs::temp_directory_path() / ("tavorin-bench-" + std::to_string(::getpid()));
  fs::create_directories(data);

  bench::HeadlessHost host;
  platform::ClockSeededRandom random(bench::steppingClock());
  long played = 0;
  long clicks = 0;
  {
    game::Table t(host, random, "/nonexistent", data);
    game::tableLoad(t);
    const auto click = [&clicks](platform::Control& button) {
      ++clicks;
      button.click();
    };
    const double seconds = bench::secondsOf([&] {
      for (; played < deals; ++played) {
        if (!bench::playOneDeal(t, click)) break;
        host.messages.clear();
      }
    });
    if (played != deals) {
      std::fprintf(stderr, "tavorin_deals_bench: deal %ld did not end\n", played + 1);
      return 1;
    }
    bench::report("tavorin.deals", static_cast<double>(played), "deals");
    bench::report("tavorin.deals_per_second", static_cast<double>(played) / seconds, "deals/s");
    bench::report("tavorin.headless_click", seconds / static_cast<double>(clicks) * 1000, "ms");
  }
  fs::remove_all(data);
  return 0;
}

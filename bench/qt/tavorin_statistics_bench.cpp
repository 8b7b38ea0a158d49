// SPDX-License-Identifier: GPL-3.0-or-later
// Help > Statistics with 100,000 deals recorded: the time from the click to
// the painted window, the file read first, as the first opening of a run
// does. Also the size of that file.
//
//   tavorin_statistics_bench ASSET_FOLDER [DEALS [RUNS]]

#include <unistd.h>

#include <QApplication>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "game/statistics/statistics_book.h"
#include "game/statistics/statistics_file.h"
#include "game/statistics/statistics_window.h"
#include "game/table.h"
#include "platform/qt/form_dialog.h"
#include "platform/random_source.h"
#include "qt/bench_qt_host.h"
#include "support/timing.h"

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  if (argc < 2) {
    std::fprintf(stderr, "usage: tavorin_statistics_bench ASSET_FOLDER [DEALS [RUNS]]\n");
    return 2;
  }
  const fs::path assets = argv[1];
  const long deals = argc > 2 ? std::atol(argv[2]) : 100000;
  const int runs = argc > 3 ? std::atoi(argv[3]) : 9;
  const fs::path data =
      fs::temp_directory_path() / ("tavorin-statistics-bench-" + std::to_string(::getpid()));
  fs::create_directories(data);

  // A long history of plausible deals: a walk of the bank in steps of a bet.
  std::vector<game::DealRecord> history;
  double bank = 3000;
  for (long n = 0; n < deals; ++n) {
    const double net = (n * 7919 % 13 < 6) ? 25 : (n % 5 == 0 ? 0 : -25);
    bank += net;
    history.push_back(
        {.handsWon = net > 0, .handsLost = net < 0, .handsPushed = net == 0, .net = net, .bank = bank});
  }
  const fs::path file = data / game::kStatisticsFileName;
  if (!game::writeStatisticsFile(file, history)) return 1;

  int qtArgc = 1;
  QApplication application(qtArgc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  bench::BenchQtHost host;
  platform::ClockSeededRandom random;
  std::vector<double> openMs, readMs;
  for (int run = 0; run < runs; ++run) {
    readMs.push_back(1000 * bench::secondsOf([&] { (void)game::readStatisticsFile(file); }));
  }
  for (int run = 0; run < runs; ++run) {
    game::Table t(host, random, assets, data);
    openMs.push_back(1000 * bench::secondsOf([&] {
                       game::readEarlierDeals(t);
                       game::StatisticsWindow window(t);
                       platform::qt::FormDialog dialog(window);
                       dialog.show();
                       if (!QTest::qWaitForWindowExposed(&dialog)) std::exit(1);
                       dialog.repaint();
                     }));
  }
  bench::report("tavorin.statistics_file_size", static_cast<double>(fs::file_size(file)) / 1e6, "MB");
  bench::report("tavorin.statistics_read_median", bench::median(readMs), "ms");
  bench::report("tavorin.statistics_open_median", bench::median(openMs), "ms");
  bench::report("tavorin.statistics_open_max", *std::max_element(openMs.begin(), openMs.end()), "ms");
  fs::remove_all(data);
  return 0;
}

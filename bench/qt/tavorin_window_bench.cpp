// SPDX-License-Identifier: GPL-3.0-or-later
// Plays 1,000 deals in Tavorin's real window: each press of Deal, Hit and
// Stand goes through Qt to the handler, and the window is painted again
// before the next. Reports the time a press takes until the window is
// painted, and the resident memory after deal 100 and deal 1,000. With
// "keys", each press is the button's key (Enter, H, S) typed into the window
// instead of a click, and the figures are named tavorin.key_*.
//
//   tavorin_window_bench ASSET_FOLDER [DEALS [keys]]

#include <malloc.h>
#include <unistd.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "event_timer.h"
#include "game/table.h"
#include "game/table_keys.h"
#include "game/table_startup.h"
#include "platform/qt/form_window.h"
#include "platform/random_source.h"
#include "qt/bench_qt_host.h"
#include "support/stand_on_17.h"
#include "support/timing.h"

namespace {

// Resident memory in MiB, from the kernel's account of this process.
double residentMiB() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmRSS:") {
      double kib = 0;
      status >> kib;
      return kib / 1024;
    }
    status.ignore(1 << 16, '\n');
  }
  return 0;
}

// What the program has allocated and not freed, in MiB.
double heapInUseMiB() {
  return static_cast<double>(mallinfo2().uordblks) / (1024 * 1024);
}

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  if (argc < 2) {
    std::fprintf(stderr, "usage: tavorin_window_bench ASSET_FOLDER [DEALS]\n");
    return 2;
  }
  const fs::path assets = argv[1];
  const long deals = argc > 2 ? std::atol(argv[2]) : 1000;
  const bool byKey = argc > 3 && std::string(argv[3]) == "keys";
  const std::string figures = byKey ? "tavorin.key_" : "tavorin.";
  const fs::path data = fs::temp_directory_path() / ("tavorin-window-bench-" + std::to_string(::getpid()));
  fs::create_directories(data);

  int qtArgc = 1;
  bench::TimedApplication application(qtArgc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  bench::BenchQtHost host;
  platform::ClockSeededRandom random(bench::steppingClock());
  double rssAt100 = 0;
  double heapAt100 = 0;
  double heapAtEnd = 0;
  double rssAtEnd = 0;
  std::vector<double> pressMs;
  std::size_t firstDealPresses = 0;  // the first deal reads each picture it shows from its file
  {
    game::Table t(host, random, assets, data);
    game::tableLoad(t);
    platform::qt::FormWindow window(t);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
      std::fprintf(stderr, "tavorin_window_bench: the window was never shown\n");
      return 1;
    }
    const auto press = [&](platform::Control& button) {
      QWidget* widget = window.widgetFor(button);
      const std::string_view key = game::keyOf(t, button);
      const Qt::Key qtKey =
          key == "Enter" ? Qt::Key_Return : static_cast<Qt::Key>(Qt::Key_A + (key[0] - 'A'));
      pressMs.push_back(1000 * bench::secondsOf([&] {
                          if (byKey) {
                            QWidget* focused = QApplication::focusWidget();
                            QTest::keyClick(focused ? focused : &window, qtKey);
                          } else {
                            QTest::mouseClick(widget, Qt::LeftButton);
                          }
                          window.repaint();
                        }));
    };
    application.recording = true;
    for (long deal = 1; deal <= deals; ++deal) {
      if (!bench::playOneDeal(t, press)) {
        std::fprintf(stderr, "tavorin_window_bench: deal %ld did not end\n", deal);
        return 1;
      }
      QCoreApplication::processEvents();
      if (deal == 1) firstDealPresses = pressMs.size();
      if (deal == 100) {
        rssAt100 = residentMiB();
        heapAt100 = heapInUseMiB();
      }
    }
    rssAtEnd = residentMiB();
    heapAtEnd = heapInUseMiB();
  }
  fs::remove_all(data);

  std::vector<double> sorted(pressMs.begin() + static_cast<std::ptrdiff_t>(firstDealPresses), pressMs.end());
  std::sort(sorted.begin(), sorted.end());
  bench::report(
      figures + "press_first_deal_max",
      *std::max_element(pressMs.begin(), pressMs.begin() + static_cast<std::ptrdiff_t>(firstDealPresses)),
      "ms");
  bench::report(figures + "presses", static_cast<double>(pressMs.size()), "presses");
  bench::report(figures + "press_median", bench::median(pressMs), "ms");
  bench::report(figures + "press_p99", sorted[sorted.size() * 99 / 100], "ms");
  bench::report(figures + "press_max", sorted.back(), "ms");
  bench::report(figures + "longest_event", application.longestMs, "ms");
  bench::report(figures + "rss_deal_100", rssAt100, "MiB");
  bench::report(figures + "rss_deal_" + std::to_string(deals), rssAtEnd, "MiB");
  bench::report(figures + "heap_deal_100", heapAt100, "MiB");
  bench::report(figures + "heap_deal_" + std::to_string(deals), heapAtEnd, "MiB");
  return 0;
}

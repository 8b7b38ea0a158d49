// SPDX-License-Identifier: GPL-3.0-or-later
// Quillmere's real window with 100,000 names in its file list: the click on
// "Local Directory of Files" that fills it, then what a person does with a
// long list (scrolling, paging, selecting all, clicking and shift-clicking
// entries, filtering). Every event the application delivers is timed.
//
//   quillmere_list_widget_bench FOLDER_OF_100000_FILES

#include <unistd.h>

#include <QAbstractItemView>
#include <QListView>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <cstdio>
#include <filesystem>
#include <string>

#include "event_timer.h"
#include "platform/qt/form_window.h"
#include "qt/bench_qt_host.h"
#include "support/timing.h"
#include "transfer/local/ftp.h"
#include "transfer/local/ftp_startup.h"
#include "transfer/local/quillmere.h"

namespace {

void settle() {
  for (int round = 0; round < 5; ++round)
    QCoreApplication::processEvents();
}

const char* typeName(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonRelease:
      return "mouse release";
    case QEvent::MouseButtonPress:
      return "mouse press";
    case QEvent::KeyPress:
      return "key press";
    case QEvent::Paint:
      return "paint";
    case QEvent::UpdateRequest:
      return "update request";
    case QEvent::Wheel:
      return "wheel";
    case QEvent::MetaCall:
      return "queued call";
    default:
      return "other";
  }
}

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  if (argc < 2) {
    std::fprintf(stderr, "usage: quillmere_list_widget_bench FOLDER\n");
    return 2;
  }
  const fs::path folder = argv[1];
  const fs::path data = fs::temp_directory_path() / ("quillmere-widget-bench-" + std::to_string(::getpid()));
  fs::create_directories(data);

  int qtArgc = 1;
  bench::TimedApplication application(qtArgc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  bench::BenchQtHost host;
  {
    transfer::Quillmere program(host, "/nonexistent", data, folder);
    transfer::FTP& f = program.window;
    transfer::ftpLoad(f);
    f.Text1.setText(folder.string());
    platform::qt::FormWindow window(f);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
      std::fprintf(stderr, "quillmere_list_widget_bench: the window was never shown\n");
      return 1;
    }
    auto* list = dynamic_cast<QListView*>(window.widgetFor(f.List1));
    if (!list) return 1;
    settle();

    application.recording = true;
    const double fillSeconds = bench::secondsOf([&] {
      QTest::mouseClick(window.widgetFor(f.Command8), Qt::LeftButton);
      window.repaint();
      settle();
    });
    const double fillEventMs = application.longestMs;
    const QEvent::Type fillType = application.longestType;
    if (list->model()->rowCount() < 100000) {
      std::fprintf(stderr, "quillmere_list_widget_bench: the list shows %d names\n",
                   list->model()->rowCount());
      return 1;
    }

    // From here on: a person working in the filled list.
    application.longestMs = 0;
    QWidget* rows = list->viewport();
    for (int page = 0; page < 40; ++page) {
      QTest::keyClick(list, Qt::Key_PageDown);
      settle();
    }
    QTest::keyClick(list, Qt::Key_End);
    settle();
    QTest::keyClick(list, Qt::Key_Home);
    settle();
    for (int turn = 0; turn < 40; ++turn) {
      QWheelEvent wheel(QPointF(20, 20), rows->mapToGlobal(QPointF(20, 20)), QPoint(), QPoint(0, -120),
                        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
      QCoreApplication::sendEvent(rows, &wheel);
      settle();
    }
    list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum() / 2);
    settle();
    QTest::mouseClick(rows, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    settle();
    QTest::keyClick(list, Qt::Key_End, Qt::ShiftModifier);
    settle();
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    settle();
    QTest::mouseClick(rows, Qt::LeftButton, Qt::ControlModifier, QPoint(20, 30));
    settle();
    QTest::mouseClick(rows, Qt::LeftButton, Qt::ShiftModifier, QPoint(20, 50));
    settle();
    window.repaint();
    settle();
    const double workEventMs = application.longestMs;
    const QEvent::Type workType = application.longestType;

    // Narrowing the full list to one extension, a click of its own.
    application.longestMs = 0;
    f.Combo1.setText("txt");
    platform::qt::refreshAllWindows();
    settle();
    const double filterSeconds = bench::secondsOf([&] {
      QTest::mouseClick(window.widgetFor(f.Command2), Qt::LeftButton);
      settle();
    });
    const double filterEventMs = application.longestMs;

    std::fprintf(stderr, "longest events: fill %s, working %s\n", typeName(fillType), typeName(workType));
    bench::report("quillmere.widget_fill_click", fillSeconds * 1000, "ms");
    bench::report("quillmere.widget_fill_longest_event", fillEventMs, "ms");
    bench::report("quillmere.widget_working_longest_event", workEventMs, "ms");
    bench::report("quillmere.widget_filter_click", filterSeconds * 1000, "ms");
    bench::report("quillmere.widget_filter_longest_event", filterEventMs, "ms");
    bench::report("quillmere.widget_events", static_cast<double>(application.events), "events");
  }
  fs::remove_all(data);
  return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An application that times every event it delivers from the event loop
// (nested deliveries count towards the outer one) and keeps the longest.

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>

namespace bench {

class TimedApplication : public QApplication {
 public:
  using QApplication::QApplication;

  bool notify(QObject* receiver, QEvent* event) override {
    if (depth_ > 0) return QApplication::notify(receiver, event);
    ++depth_;
    QElapsedTimer timer;
    timer.start();
    const bool handled = QApplication::notify(receiver, event);
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    --depth_;
    if (recording && ms > longestMs) {
      longestMs = ms;
      longestType = event->type();
    }
    if (recording) ++events;
    return handled;
  }

  bool recording = false;
  double longestMs = 0;
  QEvent::Type longestType = QEvent::None;
  long events = 0;

 private:
  int depth_ = 0;
};

}  // namespace bench

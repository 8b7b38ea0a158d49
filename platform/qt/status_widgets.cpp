// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/widget_parts.h"

#include <QProgressBar>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace platform::qt {
namespace {

class ProgressBarWidget final : public Bound<QProgressBar> {
 public:
  ProgressBarWidget(Control& control, QWidget* parent, std::function<void()> afterEvent)
      : Bound(control, parent, std::move(afterEvent)) {
    setTextVisible(false);
  }

  void refresh() override {
    syncCommon(toPixels(control_.geometry));
    // Qt shows an endless busy bar for an empty range and ignores values
    // outside it; the model means an empty bar and the nearest end.
    const int low = control_.minimum;
    const int high = std::max(control_.maximum, low + 1);
    if (minimum() != low || maximum() != high) setRange(low, high);
    const int value = std::clamp(control_.progress, low, high);
    if (this->value() != value) setValue(value);
    const QString caption = QString::fromStdString(control_.caption);
    if (isTextVisible() != !caption.isEmpty()) setTextVisible(!caption.isEmpty());
    if (shownText_ != caption) {
      shownText_ = caption;
      update();
    }
  }

  // The caption as it stands: Qt's format would read "%p" in a file name.
  QString text() const override { return shownText_; }

 private:
  QString shownText_;
};

// Never shown: the widget only carries the timer, so it lives and dies with
// the form's window.
class TimerWidget final : public Bound<QWidget> {
 public:
  TimerWidget(Control& control, QWidget* parent, std::function<void()> afterEvent)
      : Bound(control, parent, std::move(afterEvent)), timer_(new QTimer(this)) {
    setVisible(false);
    connect(timer_, &QTimer::timeout, this, [this] {
      // The model may have stopped it since the last refresh.
      if (!control_.enabled || control_.interval <= 0) {
        timer_->stop();
        return;
      }
      if (control_.onTimer) control_.onTimer();
      reportEvent();
    });
  }

  void refresh() override {
    const bool running = control_.enabled && control_.interval > 0;
    if (!running) {
      timer_->stop();
    } else if (!timer_->isActive() || timer_->interval() != control_.interval) {
      timer_->start(control_.interval);
    }
  }

 private:
  QTimer* timer_;
};

constexpr WidgetMaker kStatusWidgets[] = {
    {ControlKind::ProgressBar, makeWidget<ProgressBarWidget>},
    {ControlKind::Timer, makeWidget<TimerWidget>},
};

}  // namespace

constexpr std::span<const WidgetMaker> statusWidgets = kStatusWidgets;

}  // namespace platform::qt

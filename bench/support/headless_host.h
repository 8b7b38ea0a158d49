// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A host for benchmarks: no display, message boxes answered OK and kept, and
// waits that behave as on the desktop: a posted event (the transfer control's
// end of a request) wakes the wait at once, else the form's timer ticks when
// its interval has passed.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "platform/control.h"
#include "platform/host.h"

namespace bench {

class HeadlessHost : public platform::Host {
 public:
  // The timer whose tick ends a wait that nothing else ends.
  void useTimer(platform::Control& timer) { timer_ = &timer; }

  using Host::messageBox;
  platform::MessageAnswer messageBox(const std::string& text, platform::MessageButtons,
                                     const std::string&) override {
    messages.push_back(text);
    return platform::MessageAnswer::Ok;
  }
  void showModal(platform::Form&) override {}
  void doEvents() override {
    std::deque<std::function<void()>> tasks;
    {
      std::lock_guard lock(mutex_);
      tasks.swap(posted_);
    }
    for (auto& task : tasks)
      task();
  }
  void waitForEvents() override {
    std::function<void()> task;
    {
      std::unique_lock lock(mutex_);
      const int interval = timer_ && timer_->enabled ? timer_->interval : 0;
      const auto bound = std::chrono::milliseconds(interval > 0 ? interval : 1000);
      if (wake_.wait_for(lock, bound, [&] { return !posted_.empty(); })) {
        task = std::move(posted_.front());
        posted_.pop_front();
      }
    }
    if (task) {
      task();
    } else if (timer_ && timer_->enabled && timer_->interval > 0 && timer_->onTimer) {
      ++timerTicks;
      timer_->onTimer();
    }
  }
  void post(std::function<void()> task) override {
    {
      std::lock_guard lock(mutex_);
      posted_.push_back(std::move(task));
    }
    wake_.notify_all();
  }
  void endProgram() override {}
  bool openInBrowser(const std::string&) override { return true; }

  std::vector<std::string> messages;
  int timerTicks = 0;  // waits that ran out to the timer's tick

 private:
  platform::Control* timer_ = nullptr;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::function<void()>> posted_;
};

}  // namespace bench

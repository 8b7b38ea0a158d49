// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A host for tests: records what the handlers asked of the desktop and
// answers message boxes from a script.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "platform/control.h"
#include "platform/host.h"

namespace testing_support {

class FakeHost : public platform::Host {
 public:
  using Host::messageBox;
  platform::MessageAnswer messageBox(const std::string& text, platform::MessageButtons shown,
                                     const std::string& title) override {
    messages.push_back(text);
    buttons.push_back(shown);
    titles.push_back(title);
    if (answers.empty()) return platform::MessageAnswer::Ok;
    const platform::MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  // A modal window is open while onModal runs: the test clicks in it there.
  void showModal(platform::Form& form) override {
    modalForms.push_back(&form);
    form.unloadRequested = false;
    if (onModal) onModal(form);
  }
  // Runs what was posted so far.
  void doEvents() override {
    ++eventRounds;
    std::deque<std::function<void()>> tasks;
    {
      std::lock_guard lock(postedMutex);
      tasks.swap(posted);
    }
    for (auto& task : tasks)
      task();
  }
  // Runs what was posted, else the test's own idea of what happens next.
  void waitForEvents() override {
    ++eventRounds;
    std::function<void()> task;
    {
      std::lock_guard lock(postedMutex);
      if (!posted.empty()) {
        task = std::move(posted.front());
        posted.pop_front();
      }
    }
    if (task) {
      task();
    } else if (onWait) {
      onWait();
    }
  }
  void post(std::function<void()> task) override {
    {
      std::lock_guard lock(postedMutex);
      posted.push_back(std::move(task));
    }
    postedChanged.notify_all();
  }
  // Waits, at most `bound`, until something is posted; true when it is.
  bool awaitPosted(std::chrono::milliseconds bound) {
    std::unique_lock lock(postedMutex);
    return postedChanged.wait_for(lock, bound, [&] { return !posted.empty(); });
  }
  void endProgram() override { ++endRequests; }
  // Records every target; answers as `browserStarts` says.
  bool openInBrowser(const std::string& target) override {
    opened.push_back(target);
    return browserStarts;
  }

  std::deque<platform::MessageAnswer> answers;
  std::vector<std::string> messages;
  std::vector<platform::MessageButtons> buttons;  // beside messages
  std::vector<std::string> titles;                // beside messages; empty for the program's own
  std::vector<platform::Form*> modalForms;
  std::vector<std::string> opened;
  bool browserStarts = true;
  int eventRounds = 0;
  std::function<void()> onWait;
  std::function<void(platform::Form&)> onModal;
  std::mutex postedMutex;
  std::condition_variable postedChanged;
  std::deque<std::function<void()>> posted;
  int endRequests = 0;
};

}  // namespace testing_support

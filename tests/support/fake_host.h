#pragma once

// A host for tests: records what the handlers asked of the desktop and
// answers message boxes from a script.

#include <deque>
#include <string>
#include <vector>

#include "platform/host.h"

namespace testing_support {

class FakeHost : public platform::Host {
 public:
  platform::MessageAnswer messageBox(const std::string& text, platform::MessageButtons) override {
    messages.push_back(text);
    if (answers.empty()) return platform::MessageAnswer::Ok;
    const platform::MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void showModal(platform::Form& form) override { modalForms.push_back(&form); }
  void doEvents() override { ++eventRounds; }
  void endProgram() override { ++endRequests; }
  void openInBrowser(const std::string& target) override { opened.push_back(target); }

  std::deque<platform::MessageAnswer> answers;
  std::vector<std::string> messages;
  std::vector<platform::Form*> modalForms;
  std::vector<std::string> opened;
  int eventRounds = 0;
  int endRequests = 0;
};

}  // namespace testing_support

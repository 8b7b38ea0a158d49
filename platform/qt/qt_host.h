// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/control.h"
#include "platform/host.h"

#include <QString>

#include <functional>
#include <string>

namespace platform::qt {

// The desktop services the handlers call, on Qt Widgets.
class QtHost final : public platform::Host {
 public:
  explicit QtHost(const std::string& programTitle);

  using Host::messageBox;
  MessageAnswer messageBox(const std::string& text, MessageButtons buttons,
                           const std::string& title) override;
  void showModal(Form& form) override;
  void doEvents() override;
  void waitForEvents() override;
  void post(std::function<void()> task) override;
  void endProgram() override;
  bool openInBrowser(const std::string& target) override;

  // The event loop forgets an exit asked for before it started, so whoever
  // starts it asks here first.
  bool endRequested() const { return endRequested_; }

 private:
  QString title_;
  bool endRequested_ = false;
};

}  // namespace platform::qt

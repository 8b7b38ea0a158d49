// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Qt host of the programs, but with message boxes answered OK at once
// instead of waiting for a person, so a benchmark can click on and on.

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>

#include <functional>
#include <string>
#include <utility>

#include "platform/host.h"
#include "platform/qt/live_windows.h"

namespace bench {

class BenchQtHost : public platform::Host {
 public:
  using Host::messageBox;
  platform::MessageAnswer messageBox(const std::string&, platform::MessageButtons,
                                     const std::string&) override {
    ++messageBoxes;
    return platform::MessageAnswer::Ok;
  }
  void showModal(platform::Form&) override {}
  void doEvents() override {
    platform::qt::refreshAllWindows();
    QCoreApplication::processEvents();
  }
  void waitForEvents() override {
    platform::qt::refreshAllWindows();
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  void post(std::function<void()> task) override {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [task = std::move(task)] {
          task();
          platform::qt::refreshAllWindows();
        },
        Qt::QueuedConnection);
  }
  void endProgram() override {}
  bool openInBrowser(const std::string&) override { return true; }

  long messageBoxes = 0;
};

}  // namespace bench

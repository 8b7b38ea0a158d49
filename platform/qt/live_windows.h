// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform::qt {

// A handler may change any open form, not only the one whose event it runs,
// so after every event each open window re-reads its model.
class LiveWindow {
 public:
  virtual void refresh() = 0;

 protected:
  ~LiveWindow() = default;
};

// Windows enlist once fully built and leave before they are torn down, so a
// refresh never reaches a half-made or half-destroyed window.
void enlistWindow(LiveWindow* window);
void dismissWindow(LiveWindow* window);

void refreshAllWindows();

}  // namespace platform::qt

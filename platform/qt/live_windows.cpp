// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/live_windows.h"

#include <algorithm>
#include <vector>

namespace platform::qt {
namespace {

std::vector<LiveWindow*>& liveWindows() {
  static std::vector<LiveWindow*> windows;
  return windows;
}

bool isLive(LiveWindow* window) {
  const auto& windows = liveWindows();
  return std::find(windows.begin(), windows.end(), window) != windows.end();
}

}  // namespace

void enlistWindow(LiveWindow* window) {
  if (!isLive(window)) liveWindows().push_back(window);
}

void dismissWindow(LiveWindow* window) {
  std::erase(liveWindows(), window);
}

void refreshAllWindows() {
  // A refresh may close a window, and closing may dismiss it.
  const std::vector<LiveWindow*> snapshot = liveWindows();
  for (LiveWindow* window : snapshot) {
    if (isLive(window)) window->refresh();
  }
}

}  // namespace platform::qt

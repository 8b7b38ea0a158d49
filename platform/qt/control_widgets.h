// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/control.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>

namespace platform::qt {

int toPixels(int twips);
QRect toPixels(const Twips& geometry);
QColor toColor(Rgb rgb);
// Pixel size from points at 96 dpi, so text fits geometry laid out in twips
// whatever the screen's own dpi.
QFont controlFont(const FontSpec& asked);

// Reads a picture file once per path; nothing when it cannot be read.
std::optional<QPixmap> loadPicture(const std::string& path);

// The widget that draws one control.
class ControlWidget {
 public:
  virtual ~ControlWidget() = default;
  virtual QWidget* widget() = 0;
  // Re-reads the control and touches only what differs, so it is cheap after
  // every event.
  virtual void refresh() = 0;
};

// The widget belongs to parent. afterEvent runs after every user event the
// widget passed to the model.
ControlWidget* createControlWidget(Control& control, QWidget* parent, std::function<void()> afterEvent);

}  // namespace platform::qt

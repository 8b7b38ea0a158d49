// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/control_widgets.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QString>

#include <cmath>
#include <optional>
#include <string>
#include <utility>

#include "platform/qt/widget_parts.h"

namespace platform::qt {
namespace {

// Pictures are shared by many slots (every card face, the back), so each file
// is read once. Failures are not kept: a file made later is still found.
QHash<QString, QPixmap>& pictureCache() {
  static QHash<QString, QPixmap> cache;
  static bool clearRegistered = false;
  if (!clearRegistered) {
    // Pixmaps must not outlive the application object.
    qAddPostRoutine([] {
      pictureCache().clear();
      clearRegistered = false;
    });
    clearRegistered = true;
  }
  return cache;
}

}  // namespace

int toPixels(int twips) {
  return static_cast<int>(std::lround(twips / static_cast<double>(kTwipsPerPixel)));
}

QRect toPixels(const Twips& geometry) {
  return QRect(toPixels(geometry.left), toPixels(geometry.top), toPixels(geometry.width),
               toPixels(geometry.height));
}

QColor toColor(Rgb rgb) {
  return QColor(rgb.red, rgb.green, rgb.blue);
}

QFont controlFont(const FontSpec& asked) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(static_cast<int>(std::lround(asked.points * 96.0 / 72.0)));
  font.setBold(asked.bold);
  font.setUnderline(asked.underline);
  return font;
}

std::optional<QPixmap> loadPicture(const std::string& path) {
  const QString key = QString::fromStdString(path);
  auto& cache = pictureCache();
  if (auto found = cache.constFind(key); found != cache.constEnd()) return *found;
  // Only a regular file: a named pipe would block the read for ever.
  QPixmap pixmap;
  if (!QFileInfo(key).isFile() || !pixmap.load(key)) return std::nullopt;
  cache.insert(key, pixmap);
  return pixmap;
}

ControlWidget* createControlWidget(Control& control, QWidget* parent, std::function<void()> afterEvent) {
  for (const auto family : {textWidgets, choiceWidgets, pictureWidgets, listWidgets, statusWidgets,
                            folderWidgets, chartWidgets}) {
    for (const WidgetMaker& maker : family) {
      if (maker.kind != control.kind) continue;
      ControlWidget* made = maker.make(control, parent, std::move(afterEvent));
      made->widget()->setObjectName(QString::fromStdString(control.name));
      made->refresh();
      return made;
    }
  }
  return nullptr;
}

}  // namespace platform::qt

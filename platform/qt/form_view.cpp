// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/form_view.h"

#include "platform/qt/accessibility.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QIcon>
#include <QImageReader>

#include <algorithm>
#include <optional>

namespace platform::qt {
namespace {

// Each icon file is read once. The game changes its icon with every phase of
// a deal, and a fresh QIcon each time would leave its drawn sizes behind in
// Qt's pixmap cache, so memory grew deal after deal. Failures are not kept:
// a file made later is still found.
std::optional<QIcon> loadIcon(const QString& file) {
  static QHash<QString, QIcon> cache;
  static bool clearRegistered = false;
  if (!clearRegistered) {
    // Icons must not outlive the application object.
    qAddPostRoutine([] {
      cache.clear();
      clearRegistered = false;
    });
    clearRegistered = true;
  }
  if (auto found = cache.constFind(file); found != cache.constEnd()) return *found;
  // Only a regular file: a named pipe would block the read for ever.
  if (!QFileInfo(file).isFile() || !QImageReader(file).canRead()) return std::nullopt;
  // Every size an icon file holds, so the desktop picks the sharpest.
  const QIcon icon(file);
  cache.insert(file, icon);
  return icon;
}

}  // namespace

int shownClientHeight(const Form& form) {
  if (form.height <= 0) return form.clientHeight;
  return std::max(0, form.visibleClientHeight());
}

FormView::FormView(Form& form, std::function<void()> afterEvent, QWidget* parent)
    : QWidget(parent), form_(form) {
  setAutoFillBackground(true);
  installAccessibility();
  // Created in the form's order, so later controls lie on top.
  for (Control* control : form_.controls) {
    controls_.emplace_back(control, createControlWidget(*control, this, afterEvent));
  }
  for (auto& [control, widget] : controls_) {
    QWidget* label = control->labelledBy ? widgetFor(*control->labelledBy) : nullptr;
    if (label) linkLabel(*label, *widget->widget());
  }
}

void FormView::refresh() {
  const QSize size(toPixels(form_.clientWidth), toPixels(shownClientHeight(form_)));
  if (minimumSize() != size || maximumSize() != size) setFixedSize(size);
  const QColor back = toColor(form_.backColor);
  if (palette().color(QPalette::Window) != back) {
    QPalette withBack = palette();
    withBack.setColor(QPalette::Window, back);
    setPalette(withBack);
  }
  for (auto& [control, widget] : controls_) {
    widget->refresh();
    syncAccessibility(*control, *widget->widget());
  }
  syncWindow();
  if (form_.unloadRequested && window()->isVisible()) window()->close();
}

QWidget* FormView::widgetFor(const Control& control) const {
  for (const auto& [shown, widget] : controls_) {
    if (shown == &control) return widget->widget();
  }
  return nullptr;
}

void FormView::syncWindow() {
  QWidget* top = window();
  const QString title = QString::fromStdString(form_.caption);
  if (top->windowTitle() != title) top->setWindowTitle(title);
  if (form_.icon == iconPath_) return;
  iconPath_ = form_.icon;
  // An empty icon falls back to the application's; an unreadable one keeps
  // whatever the window showed.
  if (iconPath_.empty()) {
    top->setWindowIcon(QIcon());
  } else if (const std::optional<QIcon> icon = loadIcon(QString::fromStdString(iconPath_))) {
    top->setWindowIcon(*icon);
  }
}

}  // namespace platform::qt

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/control.h"
#include "platform/qt/form_view.h"
#include "platform/qt/live_windows.h"

#include <QAction>
#include <QMainWindow>

#include <utility>
#include <vector>

namespace platform::qt {

// A program's main window: the form's menu bar above its client area. The
// window takes the client size the model gives and cannot be resized.
class FormWindow final : public QMainWindow, public LiveWindow {
  Q_OBJECT

 public:
  explicit FormWindow(platform::Form& form, QWidget* parent = nullptr);
  ~FormWindow() override;

  // Re-reads every property of the form, its controls and its menus.
  void refresh() override;

  Form& form() const { return view_->form(); }
  QWidget* clientArea() const { return view_; }
  QWidget* widgetFor(const platform::Control& control) const { return view_->widgetFor(control); }
  QAction* actionFor(const platform::MenuItem& item) const;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  // Offers the form's keys to its onKey before any widget of the window sees them.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void addMenuItem(MenuItem& item, QWidget* container);

  FormView* view_;
  std::vector<std::pair<MenuItem*, QAction*>> actions_;
  bool centred_ = false;
  bool painted_ = false;
};

}  // namespace platform::qt

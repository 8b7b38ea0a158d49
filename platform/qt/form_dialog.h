// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/control.h"
#include "platform/qt/form_view.h"
#include "platform/qt/live_windows.h"

#include <QDialog>

namespace platform::qt {

// A form shown modally: the same client area as a main window, without menus.
class FormDialog final : public QDialog, public LiveWindow {
  Q_OBJECT

 public:
  explicit FormDialog(platform::Form& form, QWidget* parent = nullptr);
  ~FormDialog() override;

  void refresh() override;

  Form& form() const { return view_->form(); }
  QWidget* clientArea() const { return view_; }
  QWidget* widgetFor(const platform::Control& control) const { return view_->widgetFor(control); }

 protected:
  // Enter and Esc click the form's default and cancel controls.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  FormView* view_;
};

}  // namespace platform::qt

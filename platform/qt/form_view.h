// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/control.h"
#include "platform/qt/control_widgets.h"

#include <QWidget>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace platform::qt {

// The client height in twips the window shows: the outer height less the
// original's bars once the program has set one, else the whole client area.
int shownClientHeight(const Form& form);

// The client area of a form with one widget per control, plus the title and
// icon of the window it sits in. Its owner calls refresh() once it has put
// the view into its window.
class FormView final : public QWidget {
  Q_OBJECT

 public:
  FormView(Form& form, std::function<void()> afterEvent, QWidget* parent = nullptr);

  // Also closes the window when the form asks to be unloaded.
  void refresh();

  Form& form() const { return form_; }
  QWidget* widgetFor(const Control& control) const;

 private:
  void syncWindow();

  Form& form_;
  std::vector<std::pair<const Control*, ControlWidget*>> controls_;
  std::string iconPath_;
};

}  // namespace platform::qt

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/widget_parts.h"

#include <QCheckBox>
#include <QRadioButton>

#include <utility>

namespace platform::qt {
namespace {

// Option buttons and check boxes: a caption on the form's background and a
// tick that the model decides.
template <class Button>
class ChoiceWidget : public Bound<Button> {
 public:
  ChoiceWidget(Control& control, QWidget* parent, std::function<void()> afterEvent)
      : Bound<Button>(control, parent, std::move(afterEvent)) {
    // Buttons fill with the button colour; the original filled with BackColor.
    this->setBackgroundRole(QPalette::Window);
    this->setAutoFillBackground(true);
  }

  void refresh() override {
    this->syncCommon(toPixels(this->control_.geometry));
    this->syncFont();
    this->syncCaptionColors();
    this->syncCaption();
    // A click on a selected option unchecks it in Qt; the model says it stays.
    if (this->isChecked() != this->control_.value()) this->setChecked(this->control_.value());
  }
};

class OptionWidget final : public ChoiceWidget<QRadioButton> {
 public:
  OptionWidget(Control& control, QWidget* parent, std::function<void()> afterEvent)
      : ChoiceWidget(control, parent, std::move(afterEvent)) {
    // The model clears the rest of the group; Qt's own grouping would fight it.
    setAutoExclusive(false);
    connect(this, &QRadioButton::clicked, this, [this] {
      control_.setValue(true);
      clickControl();
    });
  }
};

class CheckBoxWidget final : public ChoiceWidget<QCheckBox> {
 public:
  CheckBoxWidget(Control& control, QWidget* parent, std::function<void()> afterEvent)
      : ChoiceWidget(control, parent, std::move(afterEvent)) {
    connect(this, &QCheckBox::clicked, this, [this] {
      control_.setValue(!control_.value());
      clickControl();
    });
  }

 protected:
  // Qt takes clicks only on the box and the caption's text; the original
  // took them anywhere in the control.
  bool hitButton(const QPoint& at) const override { return rect().contains(at); }
};

constexpr WidgetMaker kChoiceWidgets[] = {
    {ControlKind::OptionButton, makeWidget<OptionWidget>},
    {ControlKind::CheckBox, makeWidget<CheckBoxWidget>},
};

}  // namespace

constexpr std::span<const WidgetMaker> choiceWidgets = kChoiceWidgets;

}  // namespace platform::qt

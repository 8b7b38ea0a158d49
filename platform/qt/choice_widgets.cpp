#include "platform/qt/widget_parts.h"

#include <QCheckBox>
#include <QRadioButton>

#include <utility>

namespace platform::qt {
namespace {

class OptionWidget final : public Bound<QRadioButton> {
 public:
  OptionWidget(Control& control, QWidget* parent, std::function<void()> afterEvent)
      : Bound(control, parent, std::move(afterEvent)) {
    // The model clears the rest of the group; Qt's own grouping would fight it.
    setAutoExclusive(false);
    // Buttons fill with the button colour; the original filled with BackColor.
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    connect(this, &QRadioButton::clicked, this, [this] {
      control_.setValue(true);
      control_.click();
      reportEvent();
    });
  }

  void refresh() override {
    syncCommon(toPixels(control_.geometry));
    syncFont();
    syncColor(*this, QPalette::Window, control_.backColor, true);
    syncColor(*this, QPalette::WindowText, control_.foreColor, false);
    const QString caption = QString::fromStdString(control_.caption);
    if (text() != caption) setText(caption);
    // A click on a selected one unchecks it in Qt; the model says it stays.
    if (isChecked() != control_.value()) setChecked(control_.value());
  }
};

class CheckBoxWidget final : public Bound<QCheckBox> {
 public:
  CheckBoxWidget(Control& control, QWidget* parent, std::function<void()> afterEvent)
      : Bound(control, parent, std::move(afterEvent)) {
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    connect(this, &QCheckBox::clicked, this, [this] {
      control_.setValue(!control_.value());
      control_.click();
      reportEvent();
    });
  }

  void refresh() override {
    syncCommon(toPixels(control_.geometry));
    syncFont();
    syncColor(*this, QPalette::Window, control_.backColor, true);
    syncColor(*this, QPalette::WindowText, control_.foreColor, false);
    const QString caption = QString::fromStdString(control_.caption);
    if (text() != caption) setText(caption);
    if (isChecked() != control_.value()) setChecked(control_.value());
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>

namespace platform::qt {
namespace {

// Marks the pictures, which are plain widgets to Qt.
const char kGraphicProperty[] = "accessibleGraphic";

// An option button as a radio button: Qt tells a button that is not
// auto-exclusive as a check box, and the model, not Qt, keeps the group.
class RadioInterface final : public QAccessibleWidget {
 public:
  explicit RadioInterface(QAbstractButton* button) : QAccessibleWidget(button, QAccessible::RadioButton) {}

  QString text(QAccessible::Text kind) const override {
    QString told = QAccessibleWidget::text(kind);
    if (kind == QAccessible::Name && told.isEmpty()) told = button()->text();
    return told;
  }
  QAccessible::State state() const override {
    QAccessible::State shown = QAccessibleWidget::state();
    shown.checkable = true;
    shown.checked = button()->isChecked();
    return shown;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    if (action == pressAction() && button()->isEnabled()) button()->click();
  }

 private:
  QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

// Pictures are plain widgets to Qt, which tells them as empty fillers; to a
// reader they are images. Option buttons are radio buttons.
QAccessibleInterface* interfaceFor(const QString&, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  if (object->property(kGraphicProperty).toBool())
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
  // Every radio button of the programs draws an option button.
  if (auto* button = qobject_cast<QRadioButton*>(object)) return new RadioInterface(button);
  return nullptr;
}

QString progressText(const Control& control) {
  const int span = control.maximum - control.minimum;
  if (span <= 0) return QStringLiteral("0%");
  const int percent = (control.progress - control.minimum) * 100 / span;
  return QString::number(std::clamp(percent, 0, 100)) + '%';
}

}  // namespace

void installAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(interfaceFor);
    return true;
  }();
  (void)installed;
}

void syncAccessibility(const Control& control, QWidget& widget) {
  if (control.kind == ControlKind::Image && !widget.property(kGraphicProperty).toBool())
    widget.setProperty(kGraphicProperty, true);
  const QString name = QString::fromStdString(control.accessibleName);
  if (widget.accessibleName() != name) widget.setAccessibleName(name);
  QString description = QString::fromStdString(control.accessibleDescription);
  if (control.kind == ControlKind::ProgressBar && description.isEmpty()) description = progressText(control);
  // On Linux Qt tells a combo box by its value; the name goes to the box's
  // text part and to the description.
  if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
    if (description.isEmpty()) description = name;
    if (QLineEdit* edit = combo->lineEdit(); edit && edit->accessibleName() != name)
      edit->setAccessibleName(name);
  }
  if (widget.accessibleDescription() != description) widget.setAccessibleDescription(description);
}

void linkLabel(QWidget& label, QWidget& labelled) {
  if (auto* shown = qobject_cast<QLabel*>(&label)) shown->setBuddy(&labelled);
}

}  // namespace platform::qt

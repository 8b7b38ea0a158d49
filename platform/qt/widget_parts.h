// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the widget families share: the base that keeps a widget in step with
// its control, the small syncs they all make, and one maker per family.
// Only the widget files include this.

#include "platform/control.h"
#include "platform/qt/control_widgets.h"

#include <QComboBox>
#include <QFont>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPalette>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace platform::qt {

Qt::Alignment horizontal(Alignment alignment);
bool sameFont(const FontSpec& a, const FontSpec& b);
// Disabled controls keep the system's grey text unless the colour is a
// background, which the original kept when disabled.
void syncColor(QWidget& widget, QPalette::ColorRole role, Rgb rgb, bool evenWhenDisabled);
// The change event may rewrite what was just typed; the caret stays where the
// typing left it as far as the new text allows.
void syncEditText(QLineEdit& edit, const std::string& text);
// The model may point past its entries; the widget shows that as none.
int shownIndex(int index, int count);
bool isClickRelease(const QWidget& widget, const QMouseEvent& event);

// The captions were laid out for Arial's hinted widths; the stand-in face may
// run a pixel or two wider, which would push a word onto a line there is no
// room for or cut a word's ends. The face steps down a pixel at a time, to 8
// pixels at the least, until the text fits the area.
QFont fittedFont(QFont font, const QRect& area, int flags, const QString& text);

// Rebuilds a drop-down's entries only when they differ from the ones it
// shows (`shown`, kept beside the widget): rebuilding moves the current entry
// and the edit text.
void showEntries(QComboBox& box, const std::vector<std::string>& entries, std::vector<std::string>& shown);

// The parts every control widget shares: its control, the event hook, and
// keeping geometry, visibility, enabled state and font in step with the model.
template <class Base>
class Bound : public Base, public ControlWidget {
 public:
  Bound(Control& control, QWidget* parent, std::function<void()> afterEvent)
      : Base(parent), control_(control), afterEvent_(std::move(afterEvent)) {}

  QWidget* widget() override { return this; }

 protected:
  void syncCommon(const QRect& geometry) {
    if (this->geometry() != geometry) this->setGeometry(geometry);
    if (this->isVisibleTo(this->parentWidget()) != control_.visible) this->setVisible(control_.visible);
    if (this->isEnabledTo(this->parentWidget()) != control_.enabled) this->setEnabled(control_.enabled);
    if (const QString tip = QString::fromStdString(control_.toolTip); this->toolTip() != tip)
      this->setToolTip(tip);
  }

  void syncFont() {
    if (font_ && sameFont(*font_, control_.font)) return;
    font_ = control_.font;
    this->setFont(controlFont(control_.font));
  }

  void reportEvent() {
    if (afterEvent_) afterEvent_();
  }

  // A click the widget passes on: the control's handler, then the re-render.
  void clickControl() {
    control_.click();
    reportEvent();
  }

  // Boxes that take text or list entries: their own background and text.
  void syncEntryColors() {
    syncColor(*this, QPalette::Base, control_.backColor, false);
    syncColor(*this, QPalette::Text, control_.foreColor, false);
  }

  // Captions on the form: the background stays when disabled.
  void syncCaptionColors() {
    syncColor(*this, QPalette::Window, control_.backColor, true);
    syncColor(*this, QPalette::WindowText, control_.foreColor, false);
  }

  QString syncCaption() {
    const QString caption = QString::fromStdString(control_.caption);
    if (this->text() != caption) this->setText(caption);
    return caption;
  }

  Control& control_;

 private:
  std::function<void()> afterEvent_;
  std::optional<FontSpec> font_;
};

// Which widget class shows which kind of control: each family file keeps a
// table of its own, and createControlWidget looks the kind up in them.
using MakeWidget = ControlWidget*(Control& control, QWidget* parent, std::function<void()> afterEvent);
struct WidgetMaker {
  ControlKind kind;
  MakeWidget* make;
};

template <class Widget>
ControlWidget* makeWidget(Control& control, QWidget* parent, std::function<void()> afterEvent) {
  return new Widget(control, parent, std::move(afterEvent));
}

extern const std::span<const WidgetMaker> textWidgets;     // Label, CommandButton, TextBox (text_widgets.cpp)
extern const std::span<const WidgetMaker> choiceWidgets;   // OptionButton, CheckBox (choice_widgets.cpp)
extern const std::span<const WidgetMaker> pictureWidgets;  // Image, Shape, Line (picture_widgets.cpp)
extern const std::span<const WidgetMaker> listWidgets;     // ListBox, ComboBox (list_widgets.cpp)
extern const std::span<const WidgetMaker> statusWidgets;   // ProgressBar, Timer (status_widgets.cpp)
extern const std::span<const WidgetMaker> folderWidgets;   // DriveList, FolderTree (folder_widgets.cpp)
extern const std::span<const WidgetMaker> chartWidgets;    // Chart (chart_widgets.cpp)

}  // namespace platform::qt

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/widget_parts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <utility>

namespace platform::qt {
namespace {

class LabelWidget final : public Bound<QLabel> {
 public:
  LabelWidget(Control& control, QWidget* parent, std::function<void()> afterEvent)
      : Bound(control, parent, std::move(afterEvent)) {
    setAutoFillBackground(true);
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
  }

  void refresh() override {
    syncCommon(toPixels(control_.geometry));
    syncCaptionColors();
    const Qt::Alignment wanted = horizontal(control_.alignment) | Qt::AlignTop;
    if (alignment() != wanted) setAlignment(wanted);
    const QString caption = syncCaption();
    constexpr int kFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const QFont fitted = fittedFont(controlFont(control_.font), QRect(QPoint(0, 0), size()), kFlags, caption);
    if (font() != fitted) setFont(fitted);
  }

 protected:
  // Taking the press makes the release come here rather than to the form.
  void mousePressEvent(QMouseEvent* event) override { event->accept(); }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (!isClickRelease(*this, *event)) return;
    clickControl();
  }
};

class ButtonWidget final : public Bound<QPushButton> {
 public:
  ButtonWidget(Control& control, QWidget* parent, std::function<void()> afterEvent)
      : Bound(control, parent, std::move(afterEvent)) {
    // Enter in a text box of a dialog must not press some button.
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { clickControl(); });
  }

  void refresh() override {
    syncCommon(toPixels(control_.geometry));
    syncFont();
    syncCaption();
  }

 protected:
  // The style's own label never wraps, and narrow buttons carry two-word
  // captions, so the bevel comes from the style and the caption from here.
  void paintEvent(QPaintEvent*) override {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect area = rect().adjusted(2, 2, -2, -2);
    constexpr int kFlags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    // A single word wider than the button would lose both its ends.
    painter.setFont(fittedFont(font(), area, kFlags, caption));
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    painter.setPen(palette().color(group, QPalette::ButtonText));
    painter.drawText(area, kFlags, caption);
  }
};

class TextBoxWidget final : public Bound<QLineEdit> {
 public:
  TextBoxWidget(Control& control, QWidget* parent, std::function<void()> afterEvent)
      : Bound(control, parent, std::move(afterEvent)) {
    // textEdited, unlike textChanged, is never raised by setText, so the
    // model's own writes cannot come back to it.
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
      control_.setText(text.toStdString());
      reportEvent();
    });
  }

  void refresh() override {
    syncCommon(toPixels(control_.geometry));
    syncFont();
    syncEntryColors();
    const Qt::Alignment wanted = horizontal(control_.alignment) | Qt::AlignVCenter;
    if (alignment() != wanted) setAlignment(wanted);
    const EchoMode echo = control_.masked ? QLineEdit::Password : QLineEdit::Normal;
    if (echoMode() != echo) setEchoMode(echo);
    syncEditText(*this, control_.text());
  }
};

constexpr WidgetMaker kTextWidgets[] = {
    {ControlKind::Label, makeWidget<LabelWidget>},
    {ControlKind::CommandButton, makeWidget<ButtonWidget>},
    {ControlKind::TextBox, makeWidget<TextBoxWidget>},
};

}  // namespace

constexpr std::span<const WidgetMaker> textWidgets = kTextWidgets;

}  // namespace platform::qt

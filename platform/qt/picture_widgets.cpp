// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/widget_parts.h"

#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <string>
#include <utility>

namespace platform::qt {
namespace {

class ImageWidget final : public Bound<QWidget> {
 public:
  using Bound::Bound;

  void refresh() override {
    syncCommon(toPixels(control_.geometry));
    if (control_.picture == shownPath_) return;
    shownPath_ = control_.picture;
    if (shownPath_.empty()) {
      picture_ = QPixmap();
    } else if (auto loaded = loadPicture(shownPath_)) {
      picture_ = *loaded;
    }
    update();
  }

 protected:
  // Painting into the widget rect rather than scaling the pixmap first lets a
  // large picture use every device pixel on a high-dpi screen.
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    if (!control_.stretch) {
      painter.fillRect(rect(), toColor(control_.backColor));
      if (!picture_.isNull()) painter.drawPixmap(QPoint(0, 0), picture_);
      return;
    }
    if (picture_.isNull()) return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture_);
  }

  void mousePressEvent(QMouseEvent* event) override { event->accept(); }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (!isClickRelease(*this, *event)) return;
    clickControl();
  }

 private:
  std::string shownPath_;
  QPixmap picture_;
};

class ShapeWidget final : public Bound<QWidget> {
 public:
  ShapeWidget(Control& control, QWidget* parent, std::function<void()> afterEvent)
      : Bound(control, parent, std::move(afterEvent)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

  void refresh() override {
    syncCommon(toPixels(control_.geometry));
    if (color_ != control_.backColor) {
      color_ = control_.backColor;
      update();
    }
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(toColor(color_));
    painter.drawEllipse(QRectF(rect()));
  }

 private:
  Rgb color_;
};

class LineWidget final : public Bound<QWidget> {
 public:
  LineWidget(Control& control, QWidget* parent, std::function<void()> afterEvent)
      : Bound(control, parent, std::move(afterEvent)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

  void refresh() override {
    const QPoint from(toPixels(control_.x1), toPixels(control_.y1));
    const QPoint to(toPixels(control_.x2), toPixels(control_.y2));
    // QRect's corners are inclusive, so a flat line still spans one pixel.
    const QRect box(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                    QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y())));
    syncCommon(box);
    if (from_ != from - box.topLeft() || to_ != to - box.topLeft() || color_ != control_.foreColor) {
      from_ = from - box.topLeft();
      to_ = to - box.topLeft();
      color_ = control_.foreColor;
      update();
    }
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(QPen(toColor(color_), 1));
    painter.drawLine(from_, to_);
  }

 private:
  QPoint from_;
  QPoint to_;
  Rgb color_;
};

constexpr WidgetMaker kPictureWidgets[] = {
    {ControlKind::Image, makeWidget<ImageWidget>},
    {ControlKind::Shape, makeWidget<ShapeWidget>},
    {ControlKind::Line, makeWidget<LineWidget>},
};

}  // namespace

constexpr std::span<const WidgetMaker> pictureWidgets = kPictureWidgets;

}  // namespace platform::qt

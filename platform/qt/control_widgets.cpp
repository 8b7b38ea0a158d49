#include "platform/qt/control_widgets.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <utility>

namespace platform::qt {
namespace {

Qt::Alignment horizontal(Alignment alignment) {
  switch (alignment) {
    case Alignment::Center:
      return Qt::AlignHCenter;
    case Alignment::Right:
      return Qt::AlignRight;
    case Alignment::Left:
      break;
  }
  return Qt::AlignLeft;
}

bool sameFont(const FontSpec& a, const FontSpec& b) {
  return a.points == b.points && a.bold == b.bold && a.underline == b.underline;
}

// Disabled controls keep the system's grey text unless the colour is a
// background, which the original kept when disabled.
void syncColor(QWidget& widget, QPalette::ColorRole role, Rgb rgb, bool evenWhenDisabled) {
  const QColor color = toColor(rgb);
  QPalette palette = widget.palette();
  if (palette.color(QPalette::Active, role) == color &&
      (!evenWhenDisabled || palette.color(QPalette::Disabled, role) == color)) {
    return;
  }
  palette.setColor(QPalette::Active, role, color);
  palette.setColor(QPalette::Inactive, role, color);
  if (evenWhenDisabled) palette.setColor(QPalette::Disabled, role, color);
  widget.setPalette(palette);
}

bool isClickRelease(const QWidget& widget, const QMouseEvent& event) {
  return event.button() == Qt::LeftButton && widget.rect().contains(event.position().toPoint());
}

// Pictures are shared by many slots (every card face, the back), so each file
// is read once. Failures are not kept: a file made later is still found.
QHash<QString, QPixmap>& pictureCache() {
  static QHash<QString, QPixmap> cache;
  static bool clearRegistered = false;
  if (!clearRegistered) {
    // Pixmaps must not outlive the application object.
    qAddPostRoutine([] {
      pictureCache().clear();
      clearRegistered = false;
    });
    clearRegistered = true;
  }
  return cache;
}

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
  }

  void syncFont() {
    if (font_ && sameFont(*font_, control_.font)) return;
    font_ = control_.font;
    this->setFont(controlFont(control_.font));
  }

  void reportEvent() {
    if (afterEvent_) afterEvent_();
  }

  Control& control_;

 private:
  std::function<void()> afterEvent_;
  std::optional<FontSpec> font_;
};

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
    syncColor(*this, QPalette::Window, control_.backColor, true);
    syncColor(*this, QPalette::WindowText, control_.foreColor, false);
    const Qt::Alignment wanted = horizontal(control_.alignment) | Qt::AlignTop;
    if (alignment() != wanted) setAlignment(wanted);
    const QString caption = QString::fromStdString(control_.caption);
    if (text() != caption) setText(caption);
    const QFont fitted = fittedFont(caption);
    if (font() != fitted) setFont(fitted);
  }

 private:
  // The captions were laid out for Arial's hinted widths; the stand-in face
  // may run a pixel or two wider, which would push a word onto a line the
  // label has no room for. A slightly smaller face keeps every word shown.
  QFont fittedFont(const QString& caption) const {
    QFont fitted = controlFont(control_.font);
    const QRect area(QPoint(0, 0), size());
    constexpr int kFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    while (fitted.pixelSize() > kSmallestPixelSize) {
      const QRect needed = QFontMetrics(fitted).boundingRect(area, kFlags, caption);
      if (needed.width() <= area.width() && needed.height() <= area.height()) break;
      fitted.setPixelSize(fitted.pixelSize() - 1);
    }
    return fitted;
  }

  static constexpr int kSmallestPixelSize = 8;

 protected:
  // Taking the press makes the release come here rather than to the form.
  void mousePressEvent(QMouseEvent* event) override { event->accept(); }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (!isClickRelease(*this, *event)) return;
    control_.click();
    reportEvent();
  }
};

class ButtonWidget final : public Bound<QPushButton> {
 public:
  ButtonWidget(Control& control, QWidget* parent, std::function<void()> afterEvent)
      : Bound(control, parent, std::move(afterEvent)) {
    // Enter in a text box of a dialog must not press some button.
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] {
      control_.click();
      reportEvent();
    });
  }

  void refresh() override {
    syncCommon(toPixels(control_.geometry));
    syncFont();
    const QString caption = QString::fromStdString(control_.caption);
    if (text() != caption) setText(caption);
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
    // A single word wider than the button would lose both its ends; a
    // slightly smaller face keeps it whole.
    QFont fitted = font();
    while (fitted.pixelSize() > kSmallestPixelSize) {
      const QRect needed = QFontMetrics(fitted).boundingRect(area, kFlags, caption);
      if (needed.width() <= area.width() && needed.height() <= area.height()) break;
      fitted.setPixelSize(fitted.pixelSize() - 1);
    }
    painter.setFont(fitted);
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    painter.setPen(palette().color(group, QPalette::ButtonText));
    painter.drawText(area, kFlags, caption);
  }

 private:
  static constexpr int kSmallestPixelSize = 8;
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
    syncColor(*this, QPalette::Base, control_.backColor, false);
    syncColor(*this, QPalette::Text, control_.foreColor, false);
    const Qt::Alignment wanted = horizontal(control_.alignment) | Qt::AlignVCenter;
    if (alignment() != wanted) setAlignment(wanted);
    const QString modelText = QString::fromStdString(control_.text());
    if (text() != modelText) {
      // The change event may rewrite what was just typed; the caret stays
      // where the typing left it as far as the new text allows.
      const int caret = cursorPosition();
      setText(modelText);
      setCursorPosition(std::min(caret, static_cast<int>(modelText.size())));
    }
  }
};

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
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture_);
  }

  void mousePressEvent(QMouseEvent* event) override { event->accept(); }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (!isClickRelease(*this, *event)) return;
    control_.click();
    reportEvent();
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

}  // namespace

int toPixels(int twips) {
  return static_cast<int>(std::lround(twips / static_cast<double>(kTwipsPerPixel)));
}

QRect toPixels(const Twips& geometry) {
  return QRect(toPixels(geometry.left), toPixels(geometry.top), toPixels(geometry.width),
               toPixels(geometry.height));
}

QColor toColor(Rgb rgb) {
  return QColor(rgb.red, rgb.green, rgb.blue);
}

QFont controlFont(const FontSpec& asked) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(static_cast<int>(std::lround(asked.points * 96.0 / 72.0)));
  font.setBold(asked.bold);
  font.setUnderline(asked.underline);
  return font;
}

std::optional<QPixmap> loadPicture(const std::string& path) {
  const QString key = QString::fromStdString(path);
  auto& cache = pictureCache();
  if (auto found = cache.constFind(key); found != cache.constEnd()) return *found;
  QPixmap pixmap;
  if (!pixmap.load(key)) return std::nullopt;
  cache.insert(key, pixmap);
  return pixmap;
}

ControlWidget* createControlWidget(Control& control, QWidget* parent, std::function<void()> afterEvent) {
  ControlWidget* made = nullptr;
  switch (control.kind) {
    case ControlKind::Label:
      made = new LabelWidget(control, parent, std::move(afterEvent));
      break;
    case ControlKind::CommandButton:
      made = new ButtonWidget(control, parent, std::move(afterEvent));
      break;
    case ControlKind::TextBox:
      made = new TextBoxWidget(control, parent, std::move(afterEvent));
      break;
    case ControlKind::OptionButton:
      made = new OptionWidget(control, parent, std::move(afterEvent));
      break;
    case ControlKind::Image:
      made = new ImageWidget(control, parent, std::move(afterEvent));
      break;
    case ControlKind::Shape:
      made = new ShapeWidget(control, parent, std::move(afterEvent));
      break;
    case ControlKind::Line:
      made = new LineWidget(control, parent, std::move(afterEvent));
      break;
  }
  made->widget()->setObjectName(QString::fromStdString(control.name));
  made->refresh();
  return made;
}

}  // namespace platform::qt

#include "platform/qt/control_widgets.h"

#include <QAbstractListModel>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFontMetrics>
#include <QHash>
#include <QItemSelection>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStringList>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTimer>
#include <QTreeView>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

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

// The change event may rewrite what was just typed; the caret stays where the
// typing left it as far as the new text allows.
void syncEditText(QLineEdit& edit, const std::string& text) {
  const QString modelText = QString::fromStdString(text);
  if (edit.text() == modelText) return;
  const int caret = edit.cursorPosition();
  edit.setText(modelText);
  edit.setCursorPosition(std::min(caret, static_cast<int>(modelText.size())));
}

QStringList toStringList(std::vector<std::string>::const_iterator from,
                         std::vector<std::string>::const_iterator to) {
  QStringList list;
  list.reserve(static_cast<qsizetype>(to - from));
  for (; from != to; ++from)
    list.append(QString::fromStdString(*from));
  return list;
}

// The model may point past its entries; the widget shows that as none.
int shownIndex(int index, int count) {
  return index >= 0 && index < count ? index : -1;
}

// Root paths of the mounted file systems a person can browse. Files that a
// container mounts over single paths are not volumes to browse.
std::vector<std::string> mountedVolumeRoots() {
  // "/" even where it is no mount point of its own, as in a chroot.
  std::vector<std::string> roots = {"/"};
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (!volume.isValid() || !volume.isReady() || !QFileInfo(volume.rootPath()).isDir()) continue;
    roots.push_back(volume.rootPath().toStdString());
  }
  std::sort(roots.begin(), roots.end());
  roots.erase(std::unique(roots.begin(), roots.end()), roots.end());
  return roots;
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
    const EchoMode echo = control_.masked ? QLineEdit::Password : QLineEdit::Normal;
    if (echoMode() != echo) setEchoMode(echo);
    syncEditText(*this, control_.text());
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

// The names a list box shows, read straight from a copy of the model's
// entries: a list of a hundred thousand names costs one copy, not a widget
// item and a converted text for each.
class EntryModel final : public QAbstractListModel {
 public:
  using QAbstractListModel::QAbstractListModel;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
    return QString::fromStdString(entries_[static_cast<std::size_t>(index.row())]);
  }

  // True when the entries were replaced, which drops the selection.
  bool show(const std::vector<std::string>& items) {
    if (items == entries_) return false;
    // Lists usually grow at the end, often between waits for more entries.
    if (items.size() > entries_.size() && std::equal(entries_.begin(), entries_.end(), items.begin())) {
      beginInsertRows(QModelIndex(), static_cast<int>(entries_.size()), static_cast<int>(items.size()) - 1);
      entries_.insert(entries_.end(), items.begin() + static_cast<std::ptrdiff_t>(entries_.size()),
                      items.end());
      endInsertRows();
      return false;
    }
    beginResetModel();
    entries_ = items;
    endResetModel();
    return true;
  }

 private:
  std::vector<std::string> entries_;
};

class ListBoxWidget final : public Bound<QListView> {
 public:
  ListBoxWidget(Control& control, QWidget* parent, std::function<void()> afterEvent)
      : Bound(control, parent, std::move(afterEvent)), entries_(new EntryModel(this)) {
    setModel(entries_);
    setEditTriggers(NoEditTriggers);
    // Every entry is one line of one font, so long lists lay out without
    // measuring each entry.
    setUniformItemSizes(true);
    // The model's current entry and selection are plain data that raise no
    // event, so they are written as the person moves; only a click runs the
    // handler.
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
              if (!syncing_) control_.listIndex = current.isValid() ? current.row() : -1;
            });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
      if (!syncing_ && control_.multiSelect) readSelection();
    });
    connect(this, &QAbstractItemView::clicked, this, [this] {
      control_.click();
      reportEvent();
    });
  }

  void refresh() override {
    syncCommon(toPixels(control_.geometry));
    syncFont();
    syncColor(*this, QPalette::Base, control_.backColor, false);
    syncColor(*this, QPalette::Text, control_.foreColor, false);
    // The model is the source here; nothing synced may come back to it.
    // The selection model's signals must still reach the view, so they are
    // ignored here rather than blocked.
    const QSignalBlocker quiet(this);
    const QScopedValueRollback syncing(syncing_, true);
    const SelectionMode mode = control_.multiSelect ? ExtendedSelection : SingleSelection;
    bool cleared = false;
    if (selectionMode() != mode) {
      setSelectionMode(mode);
      clearSelection();
      cleared = true;
    }
    cleared = syncEntries() || cleared;
    const int current = shownIndex(control_.listIndex, count());
    if (cleared || currentRow() != current) {
      // A single-selection list selects its current entry; a multi-selection
      // list keeps the selection the model gives.
      const auto command =
          control_.multiSelect ? QItemSelectionModel::NoUpdate : QItemSelectionModel::ClearAndSelect;
      selectionModel()->setCurrentIndex(model()->index(current, 0), command);
    }
    if (control_.multiSelect) syncSelection(cleared);
  }

 private:
  int count() const { return entries_->rowCount(); }
  int currentRow() const { return currentIndex().isValid() ? currentIndex().row() : -1; }

  // True when the entries were rebuilt, which drops the selection.
  bool syncEntries() {
    const bool rebuilt = entries_->show(control_.items);
    if (rebuilt)
      shownSelection_.assign(control_.items.size(), false);
    else
      shownSelection_.resize(control_.items.size(), false);
    return rebuilt;
  }

  void syncSelection(bool cleared) {
    // `selected` may be shorter than `items` when a handler filled the list
    // directly; missing flags mean not selected.
    std::vector<bool> wanted = control_.selected;
    wanted.resize(control_.items.size(), false);
    if (!cleared && wanted == shownSelection_) return;
    // One selection of whole runs: selecting entry by entry is quadratic.
    QItemSelection runs;
    for (std::size_t row = 0; row < wanted.size(); ++row) {
      if (!wanted[row]) continue;
      const std::size_t first = row;
      while (row + 1 < wanted.size() && wanted[row + 1])
        ++row;
      runs.select(model()->index(static_cast<int>(first), 0), model()->index(static_cast<int>(row), 0));
    }
    selectionModel()->select(runs, QItemSelectionModel::ClearAndSelect);
    shownSelection_ = std::move(wanted);
  }

  void readSelection() {
    std::vector<bool> chosen(static_cast<std::size_t>(count()), false);
    for (const QItemSelectionRange& run : selectionModel()->selection()) {
      for (int row = run.top(); row <= run.bottom(); ++row)
        chosen[static_cast<std::size_t>(row)] = true;
    }
    control_.selected = chosen;
    shownSelection_ = std::move(chosen);
  }

  EntryModel* entries_;
  std::vector<bool> shownSelection_;
  bool syncing_ = false;
};

class ComboBoxWidget final : public Bound<QComboBox> {
 public:
  ComboBoxWidget(Control& control, QWidget* parent, std::function<void()> afterEvent)
      : Bound(control, parent, std::move(afterEvent)) {
    setEditable(true);
    // The model owns the entries: Enter must not add the typed text, and
    // nothing may complete the typing behind the change event's back.
    setInsertPolicy(NoInsert);
    setCompleter(nullptr);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
      control_.setText(text.toStdString());
      reportEvent();
    });
    connect(this, &QComboBox::activated, this, [this](int index) {
      control_.listIndex = index;
      control_.setText(itemText(index).toStdString());
      control_.click();
      reportEvent();
    });
  }

  void refresh() override {
    syncCommon(toPixels(control_.geometry));
    syncFont();
    syncColor(*this, QPalette::Base, control_.backColor, false);
    syncColor(*this, QPalette::Text, control_.foreColor, false);
    const QSignalBlocker quiet(this);
    // Rebuilding the entries or moving the current one rewrites the edit
    // text, so the caret is taken first and the model's text put back after.
    const int caret = lineEdit()->cursorPosition();
    if (control_.items != shownItems_) {
      clear();
      addItems(toStringList(control_.items.begin(), control_.items.end()));
      shownItems_ = control_.items;
    }
    const int current = shownIndex(control_.listIndex, count());
    if (currentIndex() != current) setCurrentIndex(current);
    const QString modelText = QString::fromStdString(control_.text());
    if (lineEdit()->text() != modelText) {
      lineEdit()->setText(modelText);
      lineEdit()->setCursorPosition(std::min(caret, static_cast<int>(modelText.size())));
    }
  }

 private:
  std::vector<std::string> shownItems_;
};

class ProgressBarWidget final : public Bound<QProgressBar> {
 public:
  ProgressBarWidget(Control& control, QWidget* parent, std::function<void()> afterEvent)
      : Bound(control, parent, std::move(afterEvent)) {
    setTextVisible(false);
  }

  void refresh() override {
    syncCommon(toPixels(control_.geometry));
    // Qt shows an endless busy bar for an empty range and ignores values
    // outside it; the model means an empty bar and the nearest end.
    const int low = control_.minimum;
    const int high = std::max(control_.maximum, low + 1);
    if (minimum() != low || maximum() != high) setRange(low, high);
    const int value = std::clamp(control_.progress, low, high);
    if (this->value() != value) setValue(value);
  }
};

// Never shown: the widget only carries the timer, so it lives and dies with
// the form's window.
class TimerWidget final : public Bound<QWidget> {
 public:
  TimerWidget(Control& control, QWidget* parent, std::function<void()> afterEvent)
      : Bound(control, parent, std::move(afterEvent)), timer_(new QTimer(this)) {
    setVisible(false);
    connect(timer_, &QTimer::timeout, this, [this] {
      // The model may have stopped it since the last refresh.
      if (!control_.enabled || control_.interval <= 0) {
        timer_->stop();
        return;
      }
      if (control_.onTimer) control_.onTimer();
      reportEvent();
    });
  }

  void refresh() override {
    const bool running = control_.enabled && control_.interval > 0;
    if (!running) {
      timer_->stop();
    } else if (!timer_->isActive() || timer_->interval() != control_.interval) {
      timer_->start(control_.interval);
    }
  }

 private:
  QTimer* timer_;
};

class DriveListWidget final : public Bound<QComboBox> {
 public:
  DriveListWidget(Control& control, QWidget* parent, std::function<void()> afterEvent)
      : Bound(control, parent, std::move(afterEvent)), volumes_(mountedVolumeRoots()) {
    connect(this, &QComboBox::activated, this, [this](int index) {
      control_.setText(itemText(index).toStdString());
      reportEvent();
    });
  }

  void refresh() override {
    syncCommon(toPixels(control_.geometry));
    syncFont();
    const QSignalBlocker quiet(this);
    const std::vector<std::string>& entries = control_.items.empty() ? volumes_ : control_.items;
    if (entries != shownEntries_) {
      clear();
      addItems(toStringList(entries.begin(), entries.end()));
      shownEntries_ = entries;
    }
    const int current = volumeOf(control_.text());
    if (currentIndex() != current) setCurrentIndex(current);
  }

  // Volumes come and go (a stick plugged in); reading them on every refresh
  // would touch every mount, so the list is read again when it opens.
  void showPopup() override {
    volumes_ = mountedVolumeRoots();
    refresh();
    QComboBox::showPopup();
  }

 private:
  // A path that is no entry shows the volume it lies on, as the original
  // showed the drive of any path it was given.
  int volumeOf(const std::string& path) const {
    int best = -1;
    std::size_t bestLength = 0;
    for (std::size_t i = 0; i < shownEntries_.size(); ++i) {
      const std::string& root = shownEntries_[i];
      if (path == root) return static_cast<int>(i);
      const bool holds = path.starts_with(root) &&
                         (root.ends_with('/') || path.size() == root.size() || path[root.size()] == '/');
      if (holds && root.size() >= bestLength) {
        best = static_cast<int>(i);
        bestLength = root.size();
      }
    }
    return best;
  }

  std::vector<std::string> volumes_;
  std::vector<std::string> shownEntries_;
};

class FolderTreeWidget final : public Bound<QTreeView> {
 public:
  FolderTreeWidget(Control& control, QWidget* parent, std::function<void()> afterEvent)
      : Bound(control, parent, std::move(afterEvent)),
        folders_(new QFileSystemModel(this)),
        rescroll_(new QTimer(this)) {
    folders_->setFilter(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Drives);
    // The model reads folders on its own thread, so a large or slow folder
    // never blocks the window.
    folders_->setRootPath(QStringLiteral("/"));
    setModel(folders_);
    setHeaderHidden(true);
    // Deep paths in a narrow box still show their names.
    setIndentation(12);
    for (int column = 1; column < folders_->columnCount(); ++column)
      hideColumn(column);
    connect(this, &QTreeView::clicked, this, &FolderTreeWidget::choose);
    connect(this, &QTreeView::activated, this, &FolderTreeWidget::choose);
    // The folders around the current one arrive and are sorted after it was
    // shown, and the box gets its size only when the window first shows; each
    // of these moves it, so it is brought back into view once they settle.
    rescroll_->setSingleShot(true);
    connect(rescroll_, &QTimer::timeout, this, [this] {
      if (followCurrent_ && currentIndex().isValid()) scrollTo(currentIndex(), PositionAtCenter);
    });
    connect(folders_, &QFileSystemModel::rowsInserted, this, &FolderTreeWidget::followLater);
    connect(folders_, &QFileSystemModel::layoutChanged, this, &FolderTreeWidget::followLater);
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, [this] { followCurrent_ = false; });
  }

  void refresh() override {
    syncCommon(toPixels(control_.geometry));
    syncFont();
    syncColor(*this, QPalette::Base, control_.backColor, false);
    syncColor(*this, QPalette::Text, control_.foreColor, false);
    const QString path = QString::fromStdString(control_.text());
    if (path == shownPath_) return;
    shownPath_ = path;
    const QModelIndex folder = path.isEmpty() ? QModelIndex() : folders_->index(path);
    setCurrentIndex(folder);
    if (!folder.isValid()) return;
    open(folder);
    followCurrent_ = true;
    followLater();
  }

 protected:
  // Once the person moves around the tree, it stays where they put it.
  void mousePressEvent(QMouseEvent* event) override {
    followCurrent_ = false;
    QTreeView::mousePressEvent(event);
  }
  void wheelEvent(QWheelEvent* event) override {
    followCurrent_ = false;
    QTreeView::wheelEvent(event);
  }
  void keyPressEvent(QKeyEvent* event) override {
    followCurrent_ = false;
    QTreeView::keyPressEvent(event);
  }
  void resizeEvent(QResizeEvent* event) override {
    QTreeView::resizeEvent(event);
    followLater();
  }

 private:
  void choose(const QModelIndex& folder) {
    const QString path = folders_->filePath(folder);
    shownPath_ = path;
    open(folder);
    control_.setText(path.toStdString());
    reportEvent();
  }

  // Shows the folder's subfolders, as the original listed them.
  void open(const QModelIndex& folder) {
    for (QModelIndex above = folder; above.isValid(); above = above.parent())
      expand(above);
  }

  void followLater() {
    if (followCurrent_) rescroll_->start(0);
  }

  QFileSystemModel* folders_;
  QTimer* rescroll_;
  QString shownPath_;
  bool followCurrent_ = false;
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
    case ControlKind::CheckBox:
      made = new CheckBoxWidget(control, parent, std::move(afterEvent));
      break;
    case ControlKind::ListBox:
      made = new ListBoxWidget(control, parent, std::move(afterEvent));
      break;
    case ControlKind::ComboBox:
      made = new ComboBoxWidget(control, parent, std::move(afterEvent));
      break;
    case ControlKind::ProgressBar:
      made = new ProgressBarWidget(control, parent, std::move(afterEvent));
      break;
    case ControlKind::Timer:
      made = new TimerWidget(control, parent, std::move(afterEvent));
      break;
    case ControlKind::DriveList:
      made = new DriveListWidget(control, parent, std::move(afterEvent));
      break;
    case ControlKind::FolderTree:
      made = new FolderTreeWidget(control, parent, std::move(afterEvent));
      break;
  }
  made->widget()->setObjectName(QString::fromStdString(control.name));
  made->refresh();
  return made;
}

}  // namespace platform::qt

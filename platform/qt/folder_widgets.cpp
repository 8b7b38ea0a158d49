// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/widget_parts.h"

#include <QDir>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QTreeView>
#include <QWheelEvent>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/paths.h"

namespace platform::qt {
namespace {

class DriveListWidget final : public Bound<QComboBox> {
 public:
  DriveListWidget(Control& control, QWidget* parent, std::function<void()> afterEvent)
      : Bound(control, parent, std::move(afterEvent)), volumes_(platform::mountedVolumes()) {
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
    showEntries(*this, entries, shownEntries_);
    const int current = volumeIndex(control_.text());
    if (currentIndex() != current) setCurrentIndex(current);
  }

  // Volumes come and go (a stick plugged in); reading them on every refresh
  // would touch every mount, so the list is read again when it opens.
  void showPopup() override {
    volumes_ = platform::mountedVolumes();
    refresh();
    QComboBox::showPopup();
  }

 private:
  // A path that is no entry shows the volume it lies on, as the original
  // showed the drive of any path it was given; no path shows none.
  int volumeIndex(const std::string& path) const {
    if (!path.starts_with('/')) return -1;
    const std::string volume = platform::volumeOf(path, shownEntries_);
    const auto found = std::find(shownEntries_.begin(), shownEntries_.end(), volume);
    return found == shownEntries_.end() ? -1 : static_cast<int>(found - shownEntries_.begin());
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
    syncEntryColors();
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

constexpr WidgetMaker kFolderWidgets[] = {
    {ControlKind::DriveList, makeWidget<DriveListWidget>},
    {ControlKind::FolderTree, makeWidget<FolderTreeWidget>},
};

}  // namespace

constexpr std::span<const WidgetMaker> folderWidgets = kFolderWidgets;

}  // namespace platform::qt

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/widget_parts.h"

#include <QAbstractListModel>
#include <QItemSelection>
#include <QKeyEvent>
#include <QListView>
#include <QScopedValueRollback>
#include <QSignalBlocker>

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace platform::qt {
namespace {

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
    connect(this, &QAbstractItemView::clicked, this, [this] { clickControl(); });
    connect(this, &QAbstractItemView::doubleClicked, this, [this] { raise(control_.onOpenEntry); });
  }

  void keyPressEvent(QKeyEvent* event) override {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier && control_.onOpenEntry)
      return raise(control_.onOpenEntry);
    if (event->key() == Qt::Key_Backspace && control_.onGoBack) return raise(control_.onGoBack);
    QListView::keyPressEvent(event);
  }

  void refresh() override {
    syncCommon(toPixels(control_.geometry));
    syncFont();
    syncEntryColors();
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
  void raise(const std::function<void()>& handler) {
    if (!handler || !control_.enabled) return;
    handler();
    reportEvent();
  }

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
      clickControl();
    });
  }

  void refresh() override {
    syncCommon(toPixels(control_.geometry));
    syncFont();
    syncEntryColors();
    const QSignalBlocker quiet(this);
    // Rebuilding the entries or moving the current one rewrites the edit
    // text, so the caret is taken first and the model's text put back after.
    const int caret = lineEdit()->cursorPosition();
    showEntries(*this, control_.items, shownItems_);
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

constexpr WidgetMaker kListWidgets[] = {
    {ControlKind::ListBox, makeWidget<ListBoxWidget>},
    {ControlKind::ComboBox, makeWidget<ComboBoxWidget>},
};

}  // namespace

constexpr std::span<const WidgetMaker> listWidgets = kListWidgets;

}  // namespace platform::qt

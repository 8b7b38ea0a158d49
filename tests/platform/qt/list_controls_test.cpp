// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/control.h"
#include "platform/qt/form_window.h"
#include "tests/platform/qt/test_form.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <algorithm>
#include <cctype>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace platform::qt {
namespace {

using testing::ListForm;

template <class Widget>
Widget* shown(const FormWindow& window, const Control& control) {
  auto* widget = qobject_cast<Widget*>(window.widgetFor(control));
  EXPECT_NE(widget, nullptr) << control.name;
  return widget;
}

std::string entryOf(const QListView& list, int row) {
  return list.model()->index(row, 0).data().toString().toStdString();
}

std::vector<std::string> entriesOf(const QListView& list) {
  std::vector<std::string> entries;
  for (int row = 0; row < list.model()->rowCount(); ++row)
    entries.push_back(entryOf(list, row));
  return entries;
}

std::vector<int> selectedRowsOf(const QListView& list) {
  std::vector<int> rows;
  for (int row = 0; row < list.model()->rowCount(); ++row) {
    if (list.selectionModel()->isRowSelected(row, QModelIndex())) rows.push_back(row);
  }
  return rows;
}

int currentRowOf(const QListView& list) {
  return list.currentIndex().isValid() ? list.currentIndex().row() : -1;
}

void clickRow(QListView& list, int row, Qt::KeyboardModifiers modifiers = {}) {
  const QRect at = list.visualRect(list.model()->index(row, 0));
  QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, at.center());
}

class ListControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<FormWindow>(model.form);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }

  ListForm model;
  std::unique_ptr<FormWindow> window;
};

TEST_F(ListControlsTest, EachKindSitsAtItsTwipsInPixelsAndTheTimerIsNeverShown) {
  const struct {
    const char* name;
    const Control& control;
    QRect pixels;
  } rows[] = {
      {"check box", model.check, QRect(10, 10, 120, 20)},
      {"list box", model.list, QRect(10, 40, 120, 120)},
      {"combo box", model.combo, QRect(140, 10, 120, 22)},
      {"progress bar", model.progress, QRect(140, 40, 120, 20)},
      {"drive list", model.drives, QRect(140, 70, 120, 22)},
      {"folder tree", model.folders, QRect(270, 10, 120, 200)},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ASSERT_NE(window->widgetFor(row.control), nullptr);
    EXPECT_EQ(window->widgetFor(row.control)->geometry(), row.pixels);
    EXPECT_TRUE(window->widgetFor(row.control)->isVisible());
  }
  const QWidget* timer = window->widgetFor(model.timer);
  EXPECT_TRUE(timer == nullptr || !timer->isVisible());
}

TEST_F(ListControlsTest, AListBoxShowsTheModelsEntriesCurrentEntryAndSelection) {
  Control& list = model.list;
  const struct {
    const char* name;
    std::function<void()> change;
    std::vector<std::string> entries;
    int current;
    std::vector<int> selectedRows;
  } steps[] = {
      {"single selection selects the current entry",
       [&] {
         list.items = {"b", "d", "f"};
         list.listIndex = 1;
       },
       {"b", "d", "f"},
       1,
       {1}},
      {"an entry sorted in before the current one moves it",
       [&] {
         list.sorted = true;
         list.addItem("a");
       },
       {"a", "b", "d", "f"},
       2,
       {2}},
      {"no current entry", [&] { list.listIndex = -1; }, {"a", "b", "d", "f"}, -1, {}},
      {"a current entry past the end shows none", [&] { list.listIndex = 9; }, {"a", "b", "d", "f"}, -1, {}},
      {"multi selection shows the model's selection, not the current entry",
       [&] {
         list.multiSelect = true;
         list.selected = {true, false, true, false};
         list.listIndex = 3;
       },
       {"a", "b", "d", "f"},
       3,
       {0, 2}},
      {"missing selection flags mean not selected",
       [&] {
         list.items = {"x", "y", "z"};
         list.selected = {false, true};
       },
       {"x", "y", "z"},
       -1,
       {1}},
      {"a cleared list", [&] { list.clearItems(); }, {}, -1, {}},
  };
  auto* box = shown<QListView>(*window, list);
  for (const auto& step : steps) {
    SCOPED_TRACE(step.name);
    step.change();
    const int listIndex = list.listIndex;
    const std::vector<bool> selected = list.selected;
    window->refresh();
    EXPECT_EQ(entriesOf(*box), step.entries);
    EXPECT_EQ(currentRowOf(*box), step.current);
    EXPECT_EQ(selectedRowsOf(*box), step.selectedRows);
    EXPECT_EQ(list.listIndex, listIndex) << "showing the model changed it";
    EXPECT_EQ(list.selected, selected) << "showing the model changed it";
  }
}

TEST_F(ListControlsTest, ClicksInAListBoxReachTheCurrentEntryAndSelectionBeforeTheHandler) {
  const struct {
    const char* name;
    bool multiSelect;
    std::vector<std::pair<int, Qt::KeyboardModifiers>> clicks;
    int current;
    std::vector<bool> selected;
  } rows[] = {
      {"single selection moves the current entry",
       false,
       {{1, {}}, {3, {}}},
       3,
       {false, false, false, false}},
      {"multi selection with Ctrl adds to the selection",
       true,
       {{1, {}}, {3, Qt::ControlModifier}},
       3,
       {false, true, false, true}},
      {"multi selection with Ctrl on a selected entry drops it",
       true,
       {{0, {}}, {2, Qt::ControlModifier}, {0, Qt::ControlModifier}},
       0,
       {false, false, true, false}},
  };
  auto* box = shown<QListView>(*window, model.list);
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    model.list.onClick = nullptr;
    model.list.clearItems();
    window->refresh();
    model.list.items = {"one", "two", "three", "four"};
    model.list.selected.assign(4, false);
    model.list.multiSelect = row.multiSelect;
    window->refresh();
    std::vector<int> currentAtClick;
    model.list.onClick = [&] { currentAtClick.push_back(model.list.listIndex); };
    for (const auto& [at, modifiers] : row.clicks)
      clickRow(*box, at, modifiers);
    std::vector<int> clicked;
    for (const auto& click : row.clicks)
      clicked.push_back(click.first);
    EXPECT_EQ(currentAtClick, clicked);
    EXPECT_EQ(model.list.listIndex, row.current);
    EXPECT_EQ(model.list.selected, row.selected);
  }
}

// The keys and the double click a file list answers, each with the current
// entry already written when the handler runs; other keys move as ever.
TEST_F(ListControlsTest, ADoubleClickOrEnterOpensTheCurrentEntryAndBackspaceGoesBack) {
  auto* list = shown<QListView>(*window, model.list);
  model.list.items = {"... go up", "pub/", "a.txt"};
  model.list.multiSelect = true;
  window->refresh();
  std::vector<std::string> heard;
  model.list.onOpenEntry = [&] { heard.push_back("open " + model.list.currentItem()); };
  model.list.onGoBack = [&] { heard.push_back("back " + model.list.currentItem()); };
  list->setFocus();

  const QRect pub = list->visualRect(list->model()->index(1, 0));
  // A double click is a click, then the second press.
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, pub.center());
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, pub.center());
  QTest::keyClick(list, Qt::Key_Down);
  QTest::keyClick(list, Qt::Key_Return);
  QTest::keyClick(list, Qt::Key_Enter);
  QTest::keyClick(list, Qt::Key_Backspace);
  EXPECT_EQ(heard, (std::vector<std::string>{"open pub/", "open a.txt", "open a.txt", "back a.txt"}));

  heard.clear();
  model.list.enabled = false;
  window->refresh();
  QTest::keyClick(list, Qt::Key_Backspace);
  EXPECT_EQ(heard, std::vector<std::string>{}) << "a disabled list answers nothing";
}

TEST_F(ListControlsTest, ALongListIsBuiltOnceAndGrowsWithoutARebuild) {
  for (int entry = 0; entry < 100000; ++entry)
    model.list.addItem("file" + std::to_string(entry));
  window->refresh();
  auto* box = shown<QListView>(*window, model.list);
  ASSERT_EQ(box->model()->rowCount(), 100000);
  QSignalSpy rebuilds(box->model(), &QAbstractItemModel::modelReset);

  window->refresh();
  EXPECT_EQ(rebuilds.count(), 0) << "an unchanged list was rebuilt";

  model.list.addItem("last");
  window->refresh();
  EXPECT_EQ(rebuilds.count(), 0) << "a list that only grew was rebuilt";
  EXPECT_EQ(entryOf(*box, 100000), "last");

  model.list.items[5] = "renamed";
  window->refresh();
  EXPECT_EQ(entryOf(*box, 5), "renamed");
  EXPECT_EQ(box->model()->rowCount(), 100001);
}

TEST_F(ListControlsTest, AComboBoxTakesTypingAndChoicesAndShowsTheRewrittenText) {
  Control& combo = model.combo;
  combo.items = {"ASCII", "Binary"};
  int changes = 0;
  int clicks = 0;
  combo.onChange = [&] {
    ++changes;
    std::string upper = combo.text();
    for (char& letter : upper)
      letter = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    combo.setText(upper);
  };
  combo.onClick = [&] { ++clicks; };
  window->refresh();
  auto* box = shown<QComboBox>(*window, combo);
  ASSERT_TRUE(box->isEditable());

  QTest::keyClicks(box->lineEdit(), "bin");
  EXPECT_EQ(combo.text(), "BIN");
  EXPECT_EQ(box->currentText(), "BIN");
  EXPECT_EQ(box->lineEdit()->cursorPosition(), 3);
  EXPECT_EQ(box->count(), 2) << "typing must not add entries";
  QTest::keyClick(box->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(box->count(), 2) << "Enter must not add entries";
  EXPECT_EQ(clicks, 0);

  const int changesBefore = changes;
  box->showPopup();
  QAbstractItemView* popup = box->view();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(popup->window()));
  QTest::mouseClick(popup->viewport(), Qt::LeftButton, {},
                    popup->visualRect(popup->model()->index(1, 0)).center());
  EXPECT_EQ(combo.text(), "BINARY");
  EXPECT_EQ(combo.listIndex, 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_GT(changes, changesBefore);
  EXPECT_EQ(box->currentText(), "BINARY");

  combo.items = {"ASCII", "Binary", "EBCDIC"};
  combo.listIndex = -1;
  combo.onChange = nullptr;
  combo.setText("typed");
  window->refresh();
  EXPECT_EQ(box->count(), 3);
  EXPECT_EQ(box->currentText(), "typed") << "rebuilt entries must not replace the model's text";
}

TEST_F(ListControlsTest, AProgressBarFollowsTheModelWithoutText) {
  const struct {
    const char* name;
    int minimum, maximum, progress;
    int shownMinimum, shownMaximum, shownValue;
  } rows[] = {
      {"within the range", 0, 100, 40, 0, 100, 40},
      {"another range", 10, 20, 15, 10, 20, 15},
      {"past the end shows full", 0, 100, 140, 0, 100, 100},
      {"before the start shows empty", 0, 100, -5, 0, 100, 0},
      {"an empty range shows an empty bar, not a busy one", 0, 0, 0, 0, 1, 0},
  };
  auto* bar = shown<QProgressBar>(*window, model.progress);
  EXPECT_FALSE(bar->isTextVisible());
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    model.progress.minimum = row.minimum;
    model.progress.maximum = row.maximum;
    model.progress.progress = row.progress;
    window->refresh();
    EXPECT_EQ(bar->minimum(), row.shownMinimum);
    EXPECT_EQ(bar->maximum(), row.shownMaximum);
    EXPECT_EQ(bar->value(), row.shownValue);
  }
}

// A transfer tells its file and speed over the bar and what stops it in the tooltip.
TEST_F(ListControlsTest, AProgressBarShowsItsCaptionAsItStandsAndItsToolTip) {
  auto* bar = shown<QProgressBar>(*window, model.progress);
  const struct {
    const char* caption;
    const char* toolTip;
  } rows[] = {
      {"1 of 3: 42%, 1.5 MB/s", "Esc stops the transfer."},
      {"100%p %v of %m", "100%p.bin"},  // Qt's format would replace these
      {"", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.caption);
    model.progress.caption = row.caption;
    model.progress.toolTip = row.toolTip;
    window->refresh();
    EXPECT_EQ(bar->isTextVisible(), *row.caption != '\0');
    EXPECT_EQ(bar->text().toStdString(), row.caption);
    EXPECT_EQ(bar->toolTip().toStdString(), row.toolTip);
  }
}

TEST_F(ListControlsTest, AClickOnACheckBoxTurnsItsValueBeforeTheHandlerWhichMayTurnItBack) {
  auto* box = shown<QCheckBox>(*window, model.check);
  bool valueAtClick = false;
  model.check.onClick = [&] { valueAtClick = model.check.value(); };
  QTest::mouseClick(box, Qt::LeftButton);
  EXPECT_TRUE(valueAtClick);
  EXPECT_TRUE(model.check.value());
  EXPECT_TRUE(box->isChecked());

  model.check.onClick = [&] { model.check.setValue(true); };
  QTest::mouseClick(box, Qt::LeftButton);
  EXPECT_TRUE(model.check.value());
  EXPECT_TRUE(box->isChecked());
}

TEST_F(ListControlsTest, ADriveListShowsTheVolumeOfTheModelsPathAndAChoiceChangesIt) {
  auto* drives = shown<QComboBox>(*window, model.drives);
  EXPECT_FALSE(drives->isEditable());
  std::vector<std::string> volumes;
  for (int entry = 0; entry < drives->count(); ++entry)
    volumes.push_back(drives->itemText(entry).toStdString());
  EXPECT_NE(std::find(volumes.begin(), volumes.end(), "/"), volumes.end()) << "the root volume is listed";

  model.drives.items = {"/", "/media/stick", "/media/stick2"};
  const struct {
    const char* name;
    std::string text;
    int shows;
  } rows[] = {
      {"a volume itself", "/media/stick2", 2},
      {"a folder on a volume shows the deepest volume holding it", "/media/stick/photos", 1},
      {"a name that only begins like a volume is not on it", "/media/stickers", 0},
      {"nothing", "", -1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    model.drives.setText(row.text);
    window->refresh();
    EXPECT_EQ(drives->currentIndex(), row.shows);
  }

  model.drives.setText("/media/stick");
  window->refresh();
  int changes = 0;
  model.drives.onChange = [&] { ++changes; };
  QTest::keyClick(drives, Qt::Key_Down);
  EXPECT_EQ(model.drives.text(), "/media/stick2");
  EXPECT_EQ(changes, 1);
}

TEST(FolderTreeTest, ShowsTheModelsFolderInViewAndAClickChoosesAnother) {
  QTemporaryDir root;
  ASSERT_TRUE(root.isValid());
  const QDir top(root.path());
  ASSERT_TRUE(top.mkpath("alpha/inner"));
  ASSERT_TRUE(top.mkpath("beta"));
  ASSERT_TRUE(top.mkpath(".hidden"));
  // Enough folders around it to push it out of view as they arrive.
  for (int other = 0; other < 500; ++other)
    ASSERT_TRUE(top.mkpath(QStringLiteral("alpha/%1").arg(other, 3, 10, QLatin1Char('0'))));
  const QString inner = top.filePath("alpha/inner");
  ListForm model;
  // Set before the window exists, as a dialog opens on its current folder:
  // the tree is filled before it has its size and before any folder is read.
  model.folders.setText(inner.toStdString());
  FormWindow window(model.form);
  auto* tree = shown<QTreeView>(window, model.folders);
  auto* folders = qobject_cast<QFileSystemModel*>(tree->model());
  ASSERT_NE(folders, nullptr);
  QSignalSpy loaded(folders, &QFileSystemModel::directoryLoaded);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_TRUE(tree->isHeaderHidden());
  EXPECT_EQ(folders->filePath(tree->currentIndex()), inner);

  // Every folder on the way is read in the background, and each pushes the
  // rows below it down.
  const auto wasLoaded = [&](const QString& folder) {
    return std::any_of(loaded.begin(), loaded.end(),
                       [&](const QList<QVariant>& signal) { return signal.at(0).toString() == folder; });
  };
  for (QDir above(inner); !above.isRoot(); above.cdUp()) {
    SCOPED_TRACE(above.path().toStdString());
    ASSERT_TRUE(QTest::qWaitFor([&] { return wasLoaded(above.path()); }));
  }
  // Rows come unsorted and are sorted a moment later, which moves it again.
  ASSERT_TRUE(QTest::qWaitFor([&] { return folders->index(inner).row() == 500; }));
  EXPECT_TRUE(QTest::qWaitFor([&] {
    return tree->viewport()->rect().contains(tree->visualRect(tree->currentIndex()));
  })) << "the current folder is out of view";
  EXPECT_EQ(folders->rowCount(folders->index(top.path())), 2)
      << "a hidden folder is listed or one is missing";

  const QModelIndex beta = folders->index(top.filePath("beta"));
  tree->scrollTo(beta);
  int changes = 0;
  model.folders.onChange = [&] { ++changes; };
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(beta).center());
  EXPECT_EQ(model.folders.text(), top.filePath("beta").toStdString());
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(tree->currentIndex(), beta);
}

}  // namespace
}  // namespace platform::qt

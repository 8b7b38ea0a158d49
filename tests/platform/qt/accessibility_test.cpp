// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told about the controls, and the keys of dialogs.

#include "platform/qt/accessibility.h"

#include "platform/control.h"
#include "platform/qt/form_dialog.h"
#include "platform/qt/form_window.h"
#include "tests/platform/qt/test_form.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace platform::qt {
namespace {

using testing::ListForm;
using testing::TestForm;

QAccessibleInterface* reader(QWidget* widget) {
  QAccessibleInterface* found = QAccessible::queryAccessibleInterface(widget);
  EXPECT_NE(found, nullptr);
  return found;
}

TEST(AccessibilityTest, ControlsAreNamedByTheModelOrTheirLabelAndKeepInStep) {
  TestForm model;
  model.text.labelledBy = &model.label;
  model.image.accessibleName = "face-down card";
  model.option1.accessibleName = "Add";
  FormWindow window(model.form);
  EXPECT_EQ(reader(window.widgetFor(model.text))->text(QAccessible::Name), "Bank Balance");
  EXPECT_EQ(reader(window.widgetFor(model.image))->text(QAccessible::Name), "face-down card");
  EXPECT_EQ(reader(window.widgetFor(model.option1))->text(QAccessible::Name), "Add");

  model.label.caption = "Network Drive";
  model.image.accessibleName = "Queen of Clubs";
  window.refresh();
  EXPECT_EQ(reader(window.widgetFor(model.text))->text(QAccessible::Name), "Network Drive");
  EXPECT_EQ(reader(window.widgetFor(model.image))->text(QAccessible::Name), "Queen of Clubs");
}

TEST(AccessibilityTest, OptionButtonsAreRadioButtonsAndPicturesAreGraphics) {
  TestForm model;
  FormWindow window(model.form);
  EXPECT_EQ(reader(window.widgetFor(model.option1))->role(), QAccessible::RadioButton);
  EXPECT_EQ(reader(window.widgetFor(model.image))->role(), QAccessible::Graphic);
  EXPECT_EQ(reader(window.widgetFor(model.shape))->role(), QAccessible::Client) << "a shape is no picture";
}

TEST(AccessibilityTest, AComboBoxToldByItsValueCarriesItsNameOnItsTextAndDescription) {
  ListForm model;
  model.combo.accessibleName = "File type filter";
  FormWindow window(model.form);
  auto* combo = qobject_cast<QComboBox*>(window.widgetFor(model.combo));
  ASSERT_NE(combo, nullptr);
  ASSERT_NE(combo->lineEdit(), nullptr);
  EXPECT_EQ(reader(combo->lineEdit())->text(QAccessible::Name), "File type filter");
  EXPECT_EQ(reader(combo)->text(QAccessible::Description), "File type filter");
}

TEST(AccessibilityTest, AProgressBarTellsItsValue) {
  const struct {
    const char* name;
    int minimum, maximum, progress;
    const char* told;
  } rows[] = {
      {"part way", 0, 200, 84, "42%"},         {"full", 0, 100, 100, "100%"},
      {"beyond the end", 0, 100, 250, "100%"}, {"empty range", 5, 5, 5, "0%"},
      {"offset range", 100, 300, 150, "25%"},
  };
  ListForm model;
  FormWindow window(model.form);
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    model.progress.minimum = row.minimum;
    model.progress.maximum = row.maximum;
    model.progress.progress = row.progress;
    window.refresh();
    EXPECT_EQ(reader(window.widgetFor(model.progress))->text(QAccessible::Description), row.told);
  }
}

TEST(AccessibilityTest, EnterAndEscInADialogClickItsDefaultAndCancelControls) {
  const struct {
    const char* name;
    Qt::Key key;
    bool withCancel;
    int buttonClicks, pictureClicks;
  } rows[] = {
      {"Enter in a text box clicks the default", Qt::Key_Return, true, 1, 0},
      {"Enter on the keypad too", Qt::Key_Enter, true, 1, 0},
      {"Esc clicks the cancel control, here a picture", Qt::Key_Escape, true, 0, 1},
      {"Esc without a cancel control does nothing", Qt::Key_Escape, false, 0, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    TestForm model;
    int buttonClicks = 0, pictureClicks = 0;
    model.button.onClick = [&] { ++buttonClicks; };
    model.image.onClick = [&] { ++pictureClicks; };
    model.form.defaultButton = &model.button;
    if (row.withCancel) model.form.cancelButton = &model.image;
    FormDialog dialog(model.form);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    dialog.activateWindow();
    QWidget* box = dialog.widgetFor(model.text);
    box->setFocus();
    QTest::keyClick(box, row.key);
    EXPECT_EQ(buttonClicks, row.buttonClicks);
    EXPECT_EQ(pictureClicks, row.pictureClicks);
    EXPECT_EQ(dialog.isVisible(), true) << "closing is the handlers' business";
  }
}

}  // namespace
}  // namespace platform::qt

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/form_window.h"

#include "platform/control.h"
#include "tests/platform/qt/test_form.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <cctype>
#include <functional>
#include <memory>
#include <string>

namespace platform::qt {
namespace {

using testing::TestForm;

std::string writePicture(const QTemporaryDir& folder, const QString& name, const QColor& color) {
  QImage picture(4, 4, QImage::Format_RGB32);
  picture.fill(color);
  const QString path = folder.filePath(name);
  EXPECT_TRUE(picture.save(path, "BMP"));
  return path.toStdString();
}

QColor centreColor(QWidget* widget) {
  return widget->grab().toImage().pixelColor(widget->width() / 2, widget->height() / 2);
}

template <class Widget>
Widget* shown(const FormWindow& window, const Control& control) {
  auto* widget = qobject_cast<Widget*>(window.widgetFor(control));
  EXPECT_NE(widget, nullptr) << control.name;
  return widget;
}

class FormWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<FormWindow>(model.form);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }

  TestForm model;
  std::unique_ptr<FormWindow> window;
};

TEST_F(FormWindowTest, EachControlSitsAtItsTwipsInPixels) {
  const struct {
    const char* name;
    const Control& control;
    QRect pixels;
  } rows[] = {
      {"label", model.label, QRect(10, 10, 120, 30)},
      {"button", model.button, QRect(10, 50, 49, 33)},
      {"text box", model.text, QRect(140, 50, 80, 21)},
      {"option button", model.option2, QRect(100, 100, 80, 20)},
      {"image", model.image, QRect(200, 100, 71, 96)},
      {"shape", model.shape, QRect(240, 10, 16, 16)},
      {"line spans its end points", model.line, QRect(10, 180, 281, 1)},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ASSERT_NE(window->widgetFor(row.control), nullptr);
    EXPECT_EQ(window->widgetFor(row.control)->geometry(), row.pixels);
  }
  EXPECT_EQ(window->clientArea()->size(), QSize(300, 200));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
}

TEST_F(FormWindowTest, ShowsWhatTheModelSays) {
  EXPECT_EQ(window->windowTitle(), "Test Table");
  EXPECT_EQ(shown<QLabel>(*window, model.label)->text(), "Bank Balance");
  EXPECT_EQ(shown<QPushButton>(*window, model.button)->text(), "Double Down");
  EXPECT_TRUE(shown<QRadioButton>(*window, model.option1)->isChecked());
  const QFont labelFont = window->widgetFor(model.label)->font();
  EXPECT_EQ(labelFont.family(), "Liberation Sans");
  EXPECT_EQ(labelFont.pixelSize(), 16);
  EXPECT_TRUE(labelFont.bold());
  EXPECT_EQ(window->widgetFor(model.button)->font().pixelSize(), 11);
  EXPECT_EQ(window->actionFor(model.hello)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
}

TEST_F(FormWindowTest, RefreshFollowsEveryChangeOfTheModel) {
  model.form.caption = "Renamed";
  model.label.caption = "Dealer Has";
  model.label.geometry.left = 300;
  model.button.enabled = false;
  model.text.setText("25");
  model.option2.setValue(true);
  model.image.visible = false;
  model.hello.caption = "&Goodbye";
  model.hello.enabled = false;
  window->refresh();

  EXPECT_EQ(window->windowTitle(), "Renamed");
  EXPECT_EQ(shown<QLabel>(*window, model.label)->text(), "Dealer Has");
  EXPECT_EQ(window->widgetFor(model.label)->x(), 20);
  EXPECT_FALSE(window->widgetFor(model.button)->isEnabled());
  EXPECT_EQ(shown<QLineEdit>(*window, model.text)->text(), "25");
  EXPECT_FALSE(shown<QRadioButton>(*window, model.option1)->isChecked());
  EXPECT_TRUE(shown<QRadioButton>(*window, model.option2)->isChecked());
  EXPECT_FALSE(window->widgetFor(model.image)->isVisible());
  EXPECT_EQ(window->actionFor(model.hello)->text(), "&Goodbye");
  EXPECT_FALSE(window->actionFor(model.hello)->isEnabled());

  model.image.visible = true;
  model.button.enabled = true;
  window->refresh();
  EXPECT_TRUE(window->widgetFor(model.image)->isVisible());
  EXPECT_TRUE(window->widgetFor(model.button)->isEnabled());
}

TEST_F(FormWindowTest, AClickReachesTheHandlerAndEveryOpenWindowShowsItsEffect) {
  TestForm other;
  FormWindow otherWindow(other.form);
  const struct {
    const char* name;
    Control& control;
  } rows[] = {
      {"button", model.button},
      {"label", model.label},
      {"option button", model.option2},
      {"image", model.image},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    row.control.onClick = [&] {
      model.text.setText(row.name);
      other.label.caption = row.name;
    };
    QTest::mouseClick(window->widgetFor(row.control), Qt::LeftButton);
    EXPECT_EQ(shown<QLineEdit>(*window, model.text)->text(), row.name);
    EXPECT_EQ(shown<QLabel>(otherWindow, other.label)->text(), row.name);
  }
}

TEST_F(FormWindowTest, AClickedOptionButtonIsSelectedEvenWhenItWasAlready) {
  auto* first = shown<QRadioButton>(*window, model.option1);
  auto* second = shown<QRadioButton>(*window, model.option2);
  for (int click = 1; click <= 2; ++click) {
    SCOPED_TRACE(click);
    QTest::mouseClick(second, Qt::LeftButton);
    EXPECT_TRUE(model.option2.value());
    EXPECT_TRUE(second->isChecked());
    EXPECT_FALSE(first->isChecked());
  }
}

TEST_F(FormWindowTest, AMenuItemRunsItsHandlerByClickAndByShortcutWhileEnabled) {
  int runs = 0;
  model.hello.onClick = [&] { model.label.caption = "Hello " + std::to_string(++runs); };
  window->actionFor(model.hello)->trigger();
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(shown<QLabel>(*window, model.label)->text(), "Hello 1");

  QApplication::setActiveWindow(window.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(shown<QLabel>(*window, model.label)->text(), "Hello 2");

  model.hello.enabled = false;
  window->refresh();
  QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
  window->actionFor(model.hello)->trigger();
  EXPECT_EQ(runs, 2);
}

TEST_F(FormWindowTest, EscReachesTheFormAndShowsItsEffect) {
  QApplication::setActiveWindow(window.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  QTest::keyClick(window.get(), Qt::Key_Escape);  // no handler: nothing happens

  model.form.onEscape = [&] { model.label.caption = "Stopped"; };
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_EQ(shown<QLabel>(*window, model.label)->text(), "Stopped");
}

TEST_F(FormWindowTest, TypingRunsTheChangeEventAndShowsTheRewrittenText) {
  const struct {
    const char* name;
    std::string start;
    int caret;
    std::function<void(QLineEdit*)> type;
    QString shows;
    int caretAfter;
  } rows[] = {
      {"letters after a number vanish", "", 0, [](QLineEdit* box) { QTest::keyClicks(box, "12abc"); }, "12",
       2},
      {"a digit typed inside stays where it was typed", "12", 1,
       [](QLineEdit* box) { QTest::keyClicks(box, "5"); }, "152", 2},
      {"an emptied box reads 0 with the caret before it", "7", 1,
       [](QLineEdit* box) { QTest::keyClick(box, Qt::Key_Backspace); }, "0", 0},
  };
  auto* box = shown<QLineEdit>(*window, model.text);
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    model.text.onChange = nullptr;
    model.text.setText(row.start);
    // Like the bet box: only the leading digits stay, and nothing becomes 0.
    model.text.onChange = [&] {
      const std::string& typed = model.text.text();
      std::string digits = typed.substr(0, typed.find_first_not_of("0123456789"));
      model.text.setText(digits.empty() ? "0" : digits);
    };
    window->refresh();
    box->setCursorPosition(row.caret);
    row.type(box);
    EXPECT_EQ(box->text(), row.shows);
    EXPECT_EQ(model.text.text(), row.shows.toStdString());
    EXPECT_EQ(box->cursorPosition(), row.caretAfter);
  }
}

TEST_F(FormWindowTest, ANewOuterHeightResizesTheClientAreaAndTheWindow) {
  const int before = window->height();
  model.button.onClick = [&] { model.form.height = 2400; };
  QTest::mouseClick(window->widgetFor(model.button), Qt::LeftButton);
  EXPECT_EQ(window->clientArea()->height(), (2400 - 810) / 15);
  EXPECT_TRUE(QTest::qWaitFor([&] { return window->height() == before - 94; }));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
}

// A close request, as the desktop sends it from the title bar or at log-out.
TEST_F(FormWindowTest, ACloseRequestAsksTheFormWhichMayKeepTheWindowOpen) {
  int asked = 0;
  bool allow = false;
  model.form.onQueryUnload = [&] {
    ++asked;
    return allow;
  };
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  allow = true;
  EXPECT_TRUE(window->close());
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(asked, 2);
}

TEST(FormWindowPictureTest, APictureThatCannotBeReadKeepsTheOneShown) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const std::string red = writePicture(folder, "red.bmp", Qt::red);
  const std::string blue = writePicture(folder, "blue.bmp", Qt::blue);
  const std::string garbage = folder.filePath("garbage.bmp").toStdString();
  {
    QFile file(QString::fromStdString(garbage));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
  }
  const std::string pipe = folder.filePath("pipe.bmp").toStdString();
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  TestForm model;
  FormWindow window(model.form);
  const struct {
    const char* name;
    std::string picture;
    QColor shows;
  } steps[] = {
      {"a picture", red, Qt::red},
      {"another picture", blue, Qt::blue},
      {"a missing file keeps it", folder.filePath("missing.bmp").toStdString(), Qt::blue},
      {"a file that is no picture keeps it", garbage, Qt::blue},
      {"a named pipe keeps it, never waited on", pipe, Qt::blue},
      {"the first picture again, from the cache", red, Qt::red},
      {"no picture leaves the form's back colour", "", QColor(0, 128, 0)},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.name);
    model.image.picture = step.picture;
    window.refresh();
    EXPECT_EQ(centreColor(window.widgetFor(model.image)), step.shows);
  }
}

TEST(FormWindowPictureTest, AnIconThatCannotBeReadKeepsTheOneShown) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  TestForm model;
  FormWindow window(model.form);
  model.form.icon = writePicture(folder, "icon.bmp", Qt::red);
  window.refresh();
  ASSERT_FALSE(window.windowIcon().isNull());
  const qint64 shownIcon = window.windowIcon().cacheKey();
  model.form.icon = folder.filePath("missing.ico").toStdString();
  window.refresh();
  EXPECT_EQ(window.windowIcon().cacheKey(), shownIcon);
  // Opening a named pipe to read it would wait for a writer for ever.
  const QString pipe = folder.filePath("pipe.ico");
  ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
  model.form.icon = pipe.toStdString();
  window.refresh();
  EXPECT_EQ(window.windowIcon().cacheKey(), shownIcon);
}

}  // namespace
}  // namespace platform::qt

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qt_host.h"

#include "platform/host.h"
#include "platform/qt/form_dialog.h"
#include "platform/qt/form_window.h"
#include "tests/platform/qt/test_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>
#include <thread>

namespace platform::qt {
namespace {

using testing::ListForm;
using testing::TestForm;

// Runs act on the modal window once its own event loop is running; closes it
// should act never get there, so a broken front end fails instead of hanging.
void whenModalShows(const std::function<void(QWidget*)>& act) {
  QTimer::singleShot(0, [act] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) {
      ADD_FAILURE() << "no modal window is showing";
      for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QDialog*>(window)) dialog->reject();
      }
      return;
    }
    act(modal);
    QTimer::singleShot(10000, modal, [modal] {
      if (!modal->isVisible()) return;
      ADD_FAILURE() << "the modal window stayed open";
      modal->close();
    });
  });
}

TEST(QtHostTest, AMessageBoxHasTheProgramsTitleAndAnswersWithTheButtonPressed) {
  const struct {
    const char* name;
    MessageButtons buttons;
    QMessageBox::StandardButton press;
    MessageAnswer answer;
  } rows[] = {
      {"OK alone", MessageButtons::Ok, QMessageBox::Ok, MessageAnswer::Ok},
      {"OK of OK and Cancel", MessageButtons::OkCancel, QMessageBox::Ok, MessageAnswer::Ok},
      {"Cancel of OK and Cancel", MessageButtons::OkCancel, QMessageBox::Cancel, MessageAnswer::Cancel},
  };
  QtHost host("Tavorin");
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    QString title;
    QString text;
    whenModalShows([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(box, nullptr);
      title = box->windowTitle();
      text = box->text();
      ASSERT_NE(box->button(row.press), nullptr);
      box->button(row.press)->click();
    });
    EXPECT_EQ(host.messageBox("Insufficient Funds", row.buttons), row.answer);
    EXPECT_EQ(title, "Tavorin");
    EXPECT_EQ(text, "Insufficient Funds");
  }
}

TEST(QtHostTest, AModalFormStaysUntilItsHandlerUnloadsItAndItsEventsRefreshTheMainWindow) {
  TestForm main;
  FormWindow mainWindow(main.form);
  TestForm about;
  about.form.caption = "About";
  about.form.height = 0;
  about.button.onClick = [&] {
    main.label.caption = "Thanks";
    about.form.unloadRequested = true;
  };
  QString title;
  QSize client;
  QString mainLabelAfterClick;
  whenModalShows([&](QWidget* modal) {
    auto* dialog = qobject_cast<FormDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    title = dialog->windowTitle();
    client = dialog->clientArea()->size();
    QTest::mouseClick(dialog->widgetFor(about.button), Qt::LeftButton);
    mainLabelAfterClick = qobject_cast<QLabel*>(mainWindow.widgetFor(main.label))->text();
  });
  QtHost host("Tavorin");
  host.showModal(about.form);
  EXPECT_EQ(title, "About");
  EXPECT_EQ(client, QSize(300, 200)) << "a form whose outer height was never set shows all its client area";
  EXPECT_EQ(mainLabelAfterClick, "Thanks");
}

TEST(QtHostTest, DoEventsShowsWhatTheRunningHandlerChangedSoFar) {
  TestForm model;
  FormWindow window(model.form);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QtHost host("Tavorin");
  QString shownDuringHandler;
  model.button.onClick = [&] {
    model.label.caption = "Dealing";
    host.doEvents();
    shownDuringHandler = qobject_cast<QLabel*>(window.widgetFor(model.label))->text();
    model.label.caption = "Dealt";
  };
  QTest::mouseClick(window.widgetFor(model.button), Qt::LeftButton);
  EXPECT_EQ(shownDuringHandler, "Dealing");
}

// A handler's wait loop, bounded so a front end that never delivers fails
// instead of hanging.
bool waitUntil(QtHost& host, const std::function<bool()>& done) {
  bool expired = false;
  QTimer deadline;
  deadline.setSingleShot(true);
  QObject::connect(&deadline, &QTimer::timeout, [&] { expired = true; });
  deadline.start(10000);
  while (!done() && !expired)
    host.waitForEvents();
  return done();
}

TEST(QtHostTest, ATimerTicksWhileEnabledAndEachTickShowsItsEffect) {
  ListForm model;
  FormWindow window(model.form);
  int ticks = 0;
  model.timer.interval = 5;
  model.timer.onTimer = [&] {
    model.check.caption = "Tick " + std::to_string(++ticks);
    if (ticks == 3) model.timer.enabled = false;
  };
  window.refresh();
  auto* timer = window.widgetFor(model.timer)->findChild<QTimer*>();
  ASSERT_NE(timer, nullptr);
  ASSERT_TRUE(QTest::qWaitFor([&] { return ticks == 3; }));
  EXPECT_EQ(qobject_cast<QCheckBox*>(window.widgetFor(model.check))->text(), "Tick 3");
  EXPECT_FALSE(timer->isActive());

  model.timer.enabled = true;
  model.timer.interval = 0;
  window.refresh();
  EXPECT_FALSE(timer->isActive()) << "an interval of 0 stops it";
  model.timer.interval = 20;
  window.refresh();
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 20);
}

TEST(QtHostTest, AHandlerThatStartsATimerAndWaitsSeesItTick) {
  ListForm model;
  FormWindow window(model.form);
  QtHost host("Quillmere");
  int ticks = 0;
  model.timer.enabled = false;
  model.timer.interval = 5;
  model.timer.onTimer = [&] { ++ticks; };
  window.refresh();
  model.timer.enabled = true;
  EXPECT_TRUE(waitUntil(host, [&] { return ticks > 0; }));
}

TEST(QtHostTest, ATaskPostedFromAnotherThreadRunsOnTheWindowsThreadAndIsShown) {
  ListForm model;
  FormWindow window(model.form);
  QtHost host("Quillmere");
  std::thread::id ranOn;
  bool ran = false;
  std::thread worker([&] {
    host.post([&] {
      ranOn = std::this_thread::get_id();
      model.check.caption = "Transferred";
      ran = true;
    });
  });
  worker.join();
  EXPECT_TRUE(waitUntil(host, [&] { return ran; }));
  EXPECT_EQ(ranOn, std::this_thread::get_id());
  EXPECT_EQ(qobject_cast<QCheckBox*>(window.widgetFor(model.check))->text(), "Transferred");
}

TEST(QtHostTest, AFileThatIsNotThereIsNeverHandedToTheDesktop) {
  // The desktop's opener would start and then fail where nobody sees it.
  QtHost host("Quillmere");
  EXPECT_FALSE(host.openInBrowser("/nonexistent-folder/Quillmere_User_Manual.pdf"));
}

}  // namespace
}  // namespace platform::qt

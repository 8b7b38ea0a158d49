// SPDX-License-Identifier: GPL-3.0-or-later
// The real table window on Qt's offscreen platform: it shows what the model
// says, and a click on a widget reaches the game's handler.

#include <gtest/gtest.h>

#include <QApplication>
#include <QChartView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTest>
#include <QValueAxis>

#include <memory>

#include "game/house_rules_window.h"
#include "game/statistics/statistics_window.h"
#include "platform/qt/form_dialog.h"
#include "platform/qt/form_window.h"
#include "table_fixture.h"

namespace game::testing {
namespace {

class TableWindowTest : public TableTest {
 protected:
  TableWindowTest() : TableTest(TAVORIN_BUILD_ASSET_DIR) {}

  void SetUp() override {
    window = std::make_unique<platform::qt::FormWindow>(t);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }

  QWidget* widget(const Control& control) { return window->widgetFor(control); }
  QString labelText(const Control& control) { return qobject_cast<QLabel*>(widget(control))->text(); }
  void click(const Control& control) { QTest::mouseClick(widget(control), Qt::LeftButton); }

  std::unique_ptr<platform::qt::FormWindow> window;
};

TEST_F(TableWindowTest, StartsAsAnEmptyTableCutAboveTheSecondHand) {
  EXPECT_EQ(window->clientArea()->size(), QSize(7665 / 15, (7515 - 810) / 15));
  EXPECT_EQ(window->windowTitle(), "Tavorin");
  for (int n = 1; n <= 27; ++n)
    EXPECT_FALSE(widget(t.Image(n))->isVisible()) << n;
  EXPECT_EQ(labelText(t.Label14), "3000");
  EXPECT_FALSE(widget(t.Command3)->isEnabled());
}

TEST_F(TableWindowTest, ChipsAndDealClickedOnScreenPlayADeal) {
  stack({"10C", "10D", "8H", "13S"});
  click(t.Command9);
  click(t.Command6);
  EXPECT_EQ(qobject_cast<QLineEdit*>(widget(t.Text1))->text(), "105");

  click(t.Command1);
  for (int slot : {1, 2, 10, 11})
    EXPECT_TRUE(widget(t.Image(slot))->isVisible()) << slot;
  EXPECT_FALSE(widget(t.Image(3))->isVisible());
  EXPECT_EQ(labelText(t.Label5), " 20");
  EXPECT_FALSE(widget(t.Command1)->isEnabled());
  EXPECT_TRUE(widget(t.Command4)->isEnabled());
  EXPECT_FALSE(window->windowIcon().isNull()) << "the deal's icon is loaded from the assets";

  click(t.Command4);
  EXPECT_EQ(labelText(t.Label13), "You Win  105");
  EXPECT_EQ(labelText(t.Label14), "3105");
  EXPECT_EQ(labelText(t.Label20), "+");
  EXPECT_TRUE(widget(t.Label20)->isVisible());
}

// A Deal click once left the focus in the bet box with its text selected,
// so a letter typed during the deal replaced the bet and the box read 0.
TEST_F(TableWindowTest, LettersTypedDuringADealPlayAndLeaveTheBetBoxAlone) {
  stack({"10C", "5D", "8H", "6S", "2S", "3C"});
  auto* box = qobject_cast<QLineEdit*>(widget(t.Text1));
  box->setFocus();
  box->selectAll();
  QTest::keyClicks(box, "25");
  EXPECT_EQ(box->text(), "25") << "digits still go into the box";
  click(t.Command1);
  QWidget* focused = QApplication::focusWidget();
  ASSERT_NE(focused, nullptr);
  QTest::keyClick(focused, Qt::Key_H);
  EXPECT_EQ(t.play.firstHandCardCount, 3) << "H hits";
  EXPECT_EQ(box->text(), "25");
  box->setFocus();
  box->selectAll();
  QTest::keyClick(box, Qt::Key_X);
  EXPECT_EQ(box->text(), "25") << "a letter never reaches the box";
  QTest::keyClick(box, Qt::Key_S);
  EXPECT_TRUE(widget(t.Command1)->isEnabled()) << "S stood and the deal was settled";
  EXPECT_EQ(widget(t.Command3)->toolTip(), "Hit (H)");
}

TEST_F(TableWindowTest, EnterDealsFromTheBetBoxAndAHeldKeyActsOnce) {
  stack({"10C", "5D", "8H", "6S", "2S", "3C", "4C"});
  auto* box = qobject_cast<QLineEdit*>(widget(t.Text1));
  box->setFocus();
  box->selectAll();
  QTest::keyClicks(box, "10");
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_FALSE(widget(t.Command1)->isEnabled()) << "Enter dealt";
  QKeyEvent repeat(QEvent::KeyPress, Qt::Key_H, Qt::NoModifier, "h", true);
  QApplication::sendEvent(box, &repeat);
  EXPECT_EQ(t.play.firstHandCardCount, 2) << "a key's repeats do not hit again";
  EXPECT_EQ(box->text(), "10");
}

// The House Rules and Statistics windows as a person sees them.
TEST_F(TableWindowTest, HouseRulesReadAtTheirOwnSize) {
  HouseRulesWindow rules;
  platform::qt::FormDialog dialog(rules);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  auto* text = qobject_cast<QLabel*>(dialog.widgetFor(rules.Label1));
  EXPECT_EQ(text->text().toStdString(), rules.Label1.caption);
  EXPECT_EQ(text->font().pixelSize(), 13) << "the rules fit without shrinking the text";
  QTest::mouseClick(dialog.widgetFor(rules.Command1), Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
}

TEST_F(TableWindowTest, StatisticsChartTheBankOfAHundredThousandDeals) {
  for (int n = 0; n < 100000; ++n)
    t.statistics.deals.push_back({.handsWon = 1, .net = 10, .bank = 3000.0 + n % 977});
  t.statistics.sessionStart = 99990;
  t.statistics.earlierRead = true;
  StatisticsWindow stats(t);
  platform::qt::FormDialog dialog(stats);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  auto* chart = qobject_cast<QChartView*>(dialog.widgetFor(stats.Chart1));
  ASSERT_NE(chart, nullptr);
  const QList<QAbstractSeries*> series = chart->chart()->series();
  ASSERT_EQ(series.size(), 2);
  auto* earlier = static_cast<QLineSeries*>(series[0]);
  auto* session = static_cast<QLineSeries*>(series[1]);
  EXPECT_LE(earlier->count(), 4 * chart->width()) << "no more points than can show";
  EXPECT_EQ(session->count(), 11) << "this session's ten deals, from the last earlier one";
  EXPECT_EQ(session->name(), "This session");
  EXPECT_EQ(chart->chart()->title(), "Bank after every deal");
  EXPECT_NE(qobject_cast<QLabel*>(dialog.widgetFor(stats.Label3))->text().indexOf("100000"), -1);
  EXPECT_EQ(qobject_cast<QLabel*>(dialog.widgetFor(stats.Label1))->font().pixelSize(), 13);
}

TEST_F(TableWindowTest, StatisticsWithoutADealShowNoAxesOfNothing) {
  t.statistics.earlierRead = true;
  StatisticsWindow stats(t);
  platform::qt::FormDialog dialog(stats);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  auto* chart = qobject_cast<QChartView*>(dialog.widgetFor(stats.Chart1));
  ASSERT_NE(chart, nullptr);
  EXPECT_EQ(chart->chart()->title(), "Bank after every deal: no deals recorded yet");
  for (QAbstractAxis* axis : chart->chart()->axes())
    EXPECT_FALSE(axis->isVisible());
  for (QAbstractSeries* series : chart->chart()->series())
    EXPECT_FALSE(series->isVisible());
}

TEST_F(TableWindowTest, CardSlotsShowTheirFaces) {
  stack({"10C", "10D", "8H", "13S"});
  typeBet("10");
  click(t.Command1);
  // The middle of the king's face is not the table's green.
  const QImage king = widget(t.Image(2))->grab().toImage();
  const QColor middle = king.pixelColor(king.width() / 2, king.height() / 2);
  EXPECT_NE(middle, QColor(0, 128, 0));
}

}  // namespace
}  // namespace game::testing

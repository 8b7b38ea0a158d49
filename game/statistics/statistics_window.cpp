// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/statistics/statistics_window.h"

#include <span>

#include "game/statistics/statistics_book.h"
#include "platform/text_number.h"

namespace game {
namespace {

using platform::ControlKind;

constexpr platform::Rgb kTableGreen{0, 128, 0};
constexpr platform::Rgb kYellow{255, 255, 0};
constexpr int kWidth = 9000;
constexpr int kFiguresTop = 120;
constexpr int kFiguresHeight = 4080;
constexpr int kChartTop = kFiguresTop + kFiguresHeight + 120;
constexpr int kChartHeight = 4500;
constexpr int kButtonsTop = kChartTop + kChartHeight + 150;

// One text a line; an empty text keeps its line, as the names' heading does.
std::string lines(const std::vector<std::string>& texts) {
  std::string all;
  for (std::size_t i = 0; i < texts.size(); ++i)
    all += (i == 0 ? "" : "\n") + texts[i];
  return all;
}

std::string count(long n) {
  return std::to_string(n);
}

}  // namespace

std::vector<std::string> figureNames() {
  return {"",
          "Deals played",
          "Hands won",
          "Hands lost",
          "Hands pushed",
          "Naturals",
          "Double downs",
          "Splits",
          "Surrenders",
          "Insurance taken",
          "Insurance paid",
          "Net result",
          "Biggest win",
          "Biggest loss",
          "Longest winning run",
          "Longest losing run"};
}

std::vector<std::string> figureValues(const Summary& s) {
  return {count(s.deals),
          count(s.handsWon),
          count(s.handsLost),
          count(s.handsPushed),
          count(s.naturals),
          count(s.doubles),
          count(s.splits),
          count(s.surrenders),
          count(s.insuranceTaken),
          count(s.insurancePaid),
          platform::plainForm(s.net),
          platform::plainForm(s.biggestWin),
          platform::plainForm(s.biggestLoss),
          count(s.longestWinningRun) + (s.longestWinningRun == 1 ? " deal" : " deals"),
          count(s.longestLosingRun) + (s.longestLosingRun == 1 ? " deal" : " deals")};
}

StatisticsWindow::StatisticsWindow(Table& table_)
    : table(table_),
      Label1(ControlKind::Label, "Label1", {240, kFiguresTop, 3360, kFiguresHeight}),
      Label2(ControlKind::Label, "Label2", {3720, kFiguresTop, 2400, kFiguresHeight}),
      Label3(ControlKind::Label, "Label3", {6240, kFiguresTop, 2520, kFiguresHeight}),
      Chart1(ControlKind::Chart, "Chart1", {240, kChartTop, kWidth - 480, kChartHeight}),
      Command1(ControlKind::CommandButton, "Command1", {kWidth - 3600, kButtonsTop, 1575, 375}),
      Command2(ControlKind::CommandButton, "Command2", {kWidth - 1815, kButtonsTop, 1575, 375}) {
  caption = "Statistics";
  clientWidth = kWidth;
  clientHeight = kButtonsTop + 375 + 150;
  height = clientHeight + kCaptionAndMenuTwips;
  backColor = kTableGreen;
  for (Control* label : {&Label1, &Label2, &Label3}) {
    label->backColor = kTableGreen;
    label->foreColor = kYellow;
    label->font = platform::FontSpec{9.75, false, false};
  }
  Label2.alignment = platform::Alignment::Right;
  Label3.alignment = platform::Alignment::Right;
  Label1.accessibleName = "Figures";
  Label2.accessibleName = "This session";
  Label3.accessibleName = "All time";
  Chart1.caption = "Bank after every deal";
  Chart1.chartName = "Earlier games";
  Chart1.chartMarkName = "This session";
  Chart1.accessibleName = "Bank after every deal";
  Command1.caption = "Reset";
  Command1.toolTip = "Forgets every deal recorded, after asking";
  Command2.caption = "Close";
  Command1.onClick = [this] { statisticsCommand1Click(*this); };
  Command2.onClick = [this] { unloadRequested = true; };
  defaultButton = &Command2;
  cancelButton = &Command2;
  controls = {&Label1, &Label2, &Label3, &Chart1, &Command1, &Command2};
  Label1.caption = lines(figureNames());
  showFigures();
}

void StatisticsWindow::showFigures() {
  const StatisticsBook& book = table.statistics;
  const std::span<const DealRecord> all = book.deals;
  std::vector<std::string> session = figureValues(summarize(all.subspan(book.sessionStart)));
  std::vector<std::string> allTime = figureValues(summarize(all));
  session.insert(session.begin(), "This session");
  allTime.insert(allTime.begin(), "All time");
  Label2.caption = lines(session);
  Label3.caption = lines(allTime);
  Chart1.chartValues.clear();
  Chart1.chartValues.reserve(all.size());
  for (const DealRecord& deal : all)
    Chart1.chartValues.push_back(deal.bank);
  Chart1.chartMarkFrom = book.sessionStart;
  Chart1.caption = all.empty() ? "Bank after every deal: no deals recorded yet" : "Bank after every deal";
}

void statisticsCommand1Click(StatisticsWindow& w) {
  const auto answer = w.table.host.messageBox(
      "Reset the statistics? Every deal recorded, of this game and of earlier ones, is forgotten.\n\nOK "
      "resets "
      "them; Cancel keeps them.",
      platform::MessageButtons::OkCancel);
  if (answer != platform::MessageAnswer::Ok) return;
  if (resetStatistics(w.table)) w.showFigures();
}

void mnuItemStatisticsClick(Table& t) {
  readEarlierDeals(t);
  StatisticsWindow window(t);
  t.host.showModal(window);
}

}  // namespace game

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Help > Statistics: this session's and all time's figures side by side, a
// chart of the bank after every deal with this session in a colour of its
// own, Reset (which asks first) and Close.

#include <string>
#include <vector>

#include "game/statistics/summary.h"
#include "game/table.h"

namespace game {

class StatisticsWindow : public platform::Form {
 public:
  explicit StatisticsWindow(Table& table);

  Table& table;
  Control Label1;    // the names of the figures
  Control Label2;    // this session's
  Control Label3;    // all time's
  Control Chart1;    // the bank after every deal
  Control Command1;  // "Reset"
  Control Command2;  // "Close"

  // Writes the figures and the chart from the table's statistics.
  void showFigures();
};

// One line a figure, a heading first: the names, then the values of each summary.
std::vector<std::string> figureNames();
std::vector<std::string> figureValues(const Summary& summary);

// Reset: asks first; on OK forgets every deal and shows the empty figures.
void statisticsCommand1Click(StatisticsWindow& w);

// The menu item: reads the earlier deals if not yet done, then the window, modal.
void mnuItemStatisticsClick(Table& t);

}  // namespace game

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The hidden grid that holds a shuffled deck: rows of two text cells, with
// just the operations the shuffle uses.

#include <array>
#include <string>
#include <vector>

namespace game {

class DeckStore {
 public:
  static constexpr int kColumns = 2;

  // Empties every cell; the number of rows stays.
  void clear();
  int rows() const { return static_cast<int>(cells_.size()); }
  // Removes rows from the end or adds empty rows at the end.
  void setRows(int count);
  // Out-of-range cells read as empty and ignore writes.
  std::string textMatrix(int row, int column) const;
  void setTextMatrix(int row, int column, std::string text);
  // Appends one row with empty cells.
  void addItem();
  void removeItem(int row);
  void setRow(int row) { row_ = row; }
  void setCol(int column) { col_ = column; }
  int row() const { return row_; }
  int col() const { return col_; }
  // Generic ascending sort of all rows by the current column: cells that read
  // as numbers compare as numbers and come before the others, which compare
  // as text. Rows with equal keys keep their order.
  void sortAscending();

 private:
  std::vector<std::array<std::string, kColumns>> cells_{1};
  int row_ = 0;
  int col_ = 0;
};

}  // namespace game

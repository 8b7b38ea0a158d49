// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/deck_store.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace game {
namespace {

std::optional<double> asNumber(const std::string& text) {
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

}  // namespace

void DeckStore::clear() {
  for (auto& row : cells_)
    row.fill({});
}

void DeckStore::setRows(int count) {
  cells_.resize(static_cast<std::size_t>(std::max(count, 0)));
}

std::string DeckStore::textMatrix(int row, int column) const {
  if (row < 0 || row >= rows() || column < 0 || column >= kColumns) return {};
  return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void DeckStore::setTextMatrix(int row, int column, std::string text) {
  if (row < 0 || row >= rows() || column < 0 || column >= kColumns) return;
  cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = std::move(text);
}

void DeckStore::addItem() {
  cells_.emplace_back();
}

void DeckStore::removeItem(int row) {
  if (row < 0 || row >= rows()) return;
  cells_.erase(cells_.begin() + row);
}

void DeckStore::sortAscending() {
  if (col_ < 0 || col_ >= kColumns) return;
  const auto column = static_cast<std::size_t>(col_);
  std::stable_sort(cells_.begin(), cells_.end(), [column](const auto& a, const auto& b) {
    const auto x = asNumber(a[column]);
    const auto y = asNumber(b[column]);
    if (x && y) return *x < *y;
    if (x || y) return x.has_value();
    return a[column] < b[column];
  });
}

}  // namespace game

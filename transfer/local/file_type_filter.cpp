// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/local/file_type_filter.h"

#include <algorithm>
#include <vector>

#include "platform/text_case.h"

namespace transfer {

std::string extensionOf(std::string_view name) {
  const std::size_t point = name.find('.');
  if (point == std::string_view::npos || point + 1 >= name.size()) return {};
  return std::string(name.substr(point + 1, 3));
}

void applyFilter(FTP& f) {
  const std::string filter = f.Combo1.text();
  if (platform::upperCase(filter) == "ALL") return;
  const auto known = [&filter](const std::string& entry) {
    return platform::equalIgnoringCase(entry, filter);
  };
  if (std::none_of(f.Combo1.items.begin(), f.Combo1.items.end(), known)) f.Combo1.addItem(filter);
  f.Combo1.setText(filter);

  // One pass that keeps the order; the entries that stay keep their
  // selection, and the current entry stays current when it stays.
  Control& list = f.List1;
  list.selected.resize(list.items.size(), false);
  std::vector<std::string> kept;
  std::vector<bool> keptSelected;
  int current = -1;
  for (std::size_t i = 0; i < list.items.size(); ++i) {
    if (!platform::equalIgnoringCase(extensionOf(list.items[i]), filter)) continue;
    if (static_cast<int>(i) == list.listIndex) current = static_cast<int>(kept.size());
    kept.push_back(std::move(list.items[i]));
    keptSelected.push_back(list.selected[i]);
  }
  list.items = std::move(kept);
  list.selected = std::move(keptSelected);
  list.listIndex = current;
}

}  // namespace transfer

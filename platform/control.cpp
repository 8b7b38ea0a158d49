// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/control.h"

#include <algorithm>

#include "platform/text_case.h"

namespace platform {

void Control::setText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  if (onChange) onChange();
}

void Control::addItem(const std::string& item) {
  selected.resize(items.size());  // a handler may have filled items directly
  auto at = items.end();
  if (sorted) at = std::upper_bound(items.begin(), items.end(), item, lessIgnoringCase);
  const auto index = at - items.begin();
  items.insert(at, item);
  selected.insert(selected.begin() + index, false);
  if (listIndex >= index) ++listIndex;
}

void Control::clearItems() {
  items.clear();
  selected.clear();
  listIndex = -1;
}

std::string Control::currentItem() const {
  if (listIndex < 0 || listIndex >= listCount()) return {};
  return items[static_cast<std::size_t>(listIndex)];
}

void Control::setValue(bool value) {
  if (value && group_) {
    for (Control* other : *group_) {
      if (other != this) other->value_ = false;
    }
  }
  value_ = value;
}

}  // namespace platform

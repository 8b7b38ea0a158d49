#include "platform/control.h"

namespace platform {

void Control::setText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  if (onChange) onChange();
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

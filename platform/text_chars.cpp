// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text_chars.h"

namespace platform {

bool isControlCharacter(char c) {
  const auto code = static_cast<unsigned char>(c);
  return code < 0x20 || code == 0x7f;
}

}  // namespace platform

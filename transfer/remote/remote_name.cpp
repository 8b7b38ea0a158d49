// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/remote/remote_name.h"

#include <algorithm>

#include "platform/text_chars.h"

namespace transfer {
namespace {

constexpr std::size_t kMaxNameLength = 255;

}  // namespace

bool hasBlank(std::string_view name) {
  return name.find(' ') != std::string_view::npos;
}

bool isSafeRemoteName(std::string_view entry) {
  if (entry.ends_with('/')) entry.remove_suffix(1);
  if (entry.empty() || entry == "." || entry == "..") return false;
  // No local file system holds a longer name; a hostile listing could send
  // one of megabytes for the list to show.
  if (entry.size() > kMaxNameLength) return false;
  return std::none_of(entry.begin(), entry.end(),
                      [](char c) { return c == '/' || c == '\\' || platform::isControlCharacter(c); });
}

std::string printableName(std::string_view name) {
  std::string shown(name);
  std::replace_if(shown.begin(), shown.end(), platform::isControlCharacter, '?');
  return shown;
}

}  // namespace transfer

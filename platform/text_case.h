// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Case rules for texts the user types or the file system names: only the
// letters a-z and A-Z have a case, whatever the locale, so a comparison never
// depends on the machine it runs on.

#include <string>
#include <string_view>

namespace platform {

std::string upperCase(std::string_view text);
bool equalIgnoringCase(std::string_view a, std::string_view b);
bool lessIgnoringCase(std::string_view a, std::string_view b);

}  // namespace platform

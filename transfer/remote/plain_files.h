// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "platform/control.h"

namespace transfer {

// Adds the plain files of the folder to the list, in the file system's order;
// false when the file system fails on the way. A missing folder lists nothing.
[[nodiscard]] bool listPlainFiles(const std::string& folder, platform::Control& list);

}  // namespace transfer

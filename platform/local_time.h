// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The wall-clock time where the user is, as a calendar date and time of day.
// Handlers that name files after the moment take it as a function, so tests
// can say what time it is.

#include <ctime>
#include <functional>

namespace platform {

using LocalClock = std::function<std::tm()>;

std::tm localTimeNow();

}  // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a program does with its command line before it makes any window.

#include <optional>
#include <string>

namespace platform::qt {

// Answers --help and --version on standard output and refuses unknown
// options on standard error. Returns the exit code when the program is to
// end here, nothing when it is to open its window.
std::optional<int> answerCommandLine(int argc, char** argv, const std::string& programName,
                                     const std::string& summary);

}  // namespace platform::qt

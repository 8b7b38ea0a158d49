// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A string literal with every byte it holds, NULs included.

#include <cstddef>
#include <string>

namespace testing_support {

template <std::size_t N>
std::string bytes(const char (&literal)[N]) {
  return std::string(literal, N - 1);
}

}  // namespace testing_support

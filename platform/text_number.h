// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Numbers as the programs read and write them in texts.

#include <string>
#include <string_view>

namespace platform {

// The number at the start of a text: blanks, tabs and line feeds are skipped
// wherever they stand, then a sign, digits, a point with more digits and an
// exponent (E or D) are read as far as they go. A text that does not begin
// with a number, and a number beyond the range of a double, read as 0.
double leadingNumber(std::string_view text);

// Shortest decimal text with at most 15 significant digits: "0", "150",
// "2.5", "-5". Independent of the user's locale.
std::string plainForm(double value);

// The plain form with one blank in front when the value is not negative.
std::string signedForm(double value);

}  // namespace platform

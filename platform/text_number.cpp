// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text_number.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace platform {
namespace {

bool isSkipped(char c) {
  return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Collects the characters that make up the number, without the skipped ones,
// in the form from_chars reads (exponent letter as 'e', no '+' sign).
class NumberScanner {
 public:
  explicit NumberScanner(std::string_view text) : text_(text) {}

  char peek() {
    while (pos_ < text_.size() && isSkipped(text_[pos_]))
      ++pos_;
    return pos_ < text_.size() ? text_[pos_] : '\0';
  }
  void take(std::string& into) { into += text_[pos_++]; }
  void skip() { ++pos_; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace

double leadingNumber(std::string_view text) {
  NumberScanner scan(text);
  std::string number;

  if (scan.peek() == '-') {
    scan.take(number);
  } else if (scan.peek() == '+') {
    scan.skip();
  }
  bool mantissaDigits = false;
  while (isDigit(scan.peek())) {
    scan.take(number);
    mantissaDigits = true;
  }
  if (scan.peek() == '.') {
    scan.take(number);
    while (isDigit(scan.peek())) {
      scan.take(number);
      mantissaDigits = true;
    }
  }
  if (!mantissaDigits) return 0;

  const char e = scan.peek();
  if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
    std::string exponent = "e";
    scan.skip();
    if (scan.peek() == '-') {
      scan.take(exponent);
    } else if (scan.peek() == '+') {
      scan.skip();
    }
    bool exponentDigits = false;
    while (isDigit(scan.peek())) {
      scan.take(exponent);
      exponentDigits = true;
    }
    if (exponentDigits) number += exponent;
  }

  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error != std::errc() || !std::isfinite(value)) return 0;
  (void)end;
  return value == 0 ? 0.0 : value;  // no negative zero
}

std::string plainForm(double value) {
  if (!std::isfinite(value) || value == 0) return "0";
  // Rounded up to fifteen digits, the largest doubles would give a text
  // beyond the range of a double, which reads back as 0.
  constexpr double kLargestForm = 1.79769313486231E+308;
  if (std::fabs(value) > kLargestForm) return value < 0 ? "-1.79769313486231E+308" : "1.79769313486231E+308";
  char buffer[32];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  if (error != std::errc()) return "0";
  std::string text(buffer, end);
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  return text;
}

std::string signedForm(double value) {
  const std::string plain = plainForm(value);
  return plain.front() == '-' ? plain : " " + plain;
}

}  // namespace platform

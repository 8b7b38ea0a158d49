// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers in texts: any text reads as a finite number, and the plain and
// signed forms of a number read back as that number.

#include <cmath>
#include <cstring>
#include <string>

#include "fuzz_check.h"
#include "platform/text_number.h"

namespace {

void checkForms(double value) {
  if (!std::isfinite(value)) return;
  const std::string plain = platform::plainForm(value);
  FUZZ_CHECK(!plain.empty() && plain.find(' ') == std::string::npos);
  const std::string signedText = platform::signedForm(value);
  FUZZ_CHECK(signedText == (plain.front() == '-' ? plain : " " + plain));

  // Fifteen significant digits: the form is the value rounded to them, and
  // reading it gives a value whose form is the same text again.
  const double back = platform::leadingNumber(plain);
  FUZZ_CHECK(platform::plainForm(back) == plain);
  FUZZ_CHECK(platform::leadingNumber(signedText) == back);
  FUZZ_CHECK(std::fabs(back - value) <= std::fabs(value) * 1e-14);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const double read = platform::leadingNumber(fuzzText(data, size));
  FUZZ_CHECK(std::isfinite(read));
  FUZZ_CHECK(!(read == 0 && std::signbit(read)));
  checkForms(read);
  // The same bytes as a double: values no typed text would give.
  if (size >= sizeof(double)) {
    double raw;
    std::memcpy(&raw, data, sizeof raw);
    checkForms(raw);
  }
  return 0;
}

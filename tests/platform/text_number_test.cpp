// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text_number.h"

#include <gtest/gtest.h>

#include "support/row_name.h"

#include <ostream>

#include <cmath>
#include <limits>
#include <string>

namespace platform {
namespace {

struct LeadingCase {
  const char* name;
  std::string text;
  double expected;
  friend void PrintTo(const LeadingCase& c, std::ostream* os) { *os << c.name; }
};

class LeadingNumberTest : public ::testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingNumberTest, ReadsTheNumberAtTheStart) {
  const LeadingCase& c = GetParam();
  EXPECT_EQ(leadingNumber(c.text), c.expected) << "text: \"" << c.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumberTest,
    ::testing::Values(LeadingCase{"Integer", "150", 150}, LeadingCase{"Empty", "", 0},
                      LeadingCase{"NoNumber", "abc", 0}, LeadingCase{"TrailingLetters", "12abc", 12},
                      LeadingCase{"LeadingBlanks", "   42", 42},
                      LeadingCase{"BlanksInside", "1 2\t3\n4", 1234}, LeadingCase{"Fraction", "2.5", 2.5},
                      LeadingCase{"PointWithoutDigits", "3.", 3}, LeadingCase{"PointFirst", ".5", 0.5},
                      LeadingCase{"Negative", "-20", -20}, LeadingCase{"PlusSign", "+7", 7},
                      LeadingCase{"LoneMinus", "-", 0}, LeadingCase{"LonePoint", ".", 0},
                      LeadingCase{"Exponent", "1e3", 1000}, LeadingCase{"ExponentD", "2D2", 200},
                      LeadingCase{"NegativeExponent", "25E-1", 2.5},
                      LeadingCase{"ExponentWithoutDigits", "7e", 7},
                      LeadingCase{"ExponentSignOnly", "7e+", 7}, LeadingCase{"CardCodeAce", "1D", 1},
                      LeadingCase{"CardCodeTen", "10D", 10}, LeadingCase{"CardCodeKing", "13D", 13},
                      LeadingCase{"TooLarge", "1e999", 0}, LeadingCase{"TooLargeNegative", "-1e999", 0},
                      LeadingCase{"TooSmall", "1e-999", 0},
                      LeadingCase{"HugeExponentDigits", "1e99999999999999999999999", 0},
                      LeadingCase{"NegativeZero", "-0", 0}, LeadingCase{"CarriageReturnEnds", "12\r\n", 12},
                      LeadingCase{"SecondPointEnds", "1.2.3", 1.2}),
    testing_support::RowName());

TEST(LeadingNumberTest, NeverYieldsInfinityOrNaN) {
  for (const char* text : {"1e308", "9e308", "1.8e308", "-1.8e308", "nan", "inf", "infinity", "0x1p4"}) {
    EXPECT_TRUE(std::isfinite(leadingNumber(text))) << text;
  }
}

TEST(LeadingNumberTest, NegativeZeroIsPlainZero) {
  EXPECT_FALSE(std::signbit(leadingNumber("-0")));
}

struct FormCase {
  const char* name;
  double value;
  std::string plain;
  std::string signedText;
  friend void PrintTo(const FormCase& c, std::ostream* os) { *os << c.name; }
};

class NumberFormTest : public ::testing::TestWithParam<FormCase> {};

TEST_P(NumberFormTest, WritesPlainAndSignedForms) {
  const FormCase& c = GetParam();
  EXPECT_EQ(plainForm(c.value), c.plain);
  EXPECT_EQ(signedForm(c.value), c.signedText);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberFormTest,
    ::testing::Values(FormCase{"Zero", 0, "0", " 0"}, FormCase{"NegativeZero", -0.0, "0", " 0"},
                      FormCase{"Whole", 150, "150", " 150"}, FormCase{"Fraction", 2.5, "2.5", " 2.5"},
                      FormCase{"Negative", -5, "-5", "-5"},
                      FormCase{"FifteenDigits", 123456789012345, "123456789012345", " 123456789012345"},
                      FormCase{"RoundsToFifteenDigits", 0.1 + 0.2, "0.3", " 0.3"},
                      FormCase{"Large", 1e20, "1E+20", " 1E+20"},
                      FormCase{"Small", 0.00001, "1E-05", " 1E-05"}),
    testing_support::RowName());

TEST(NumberFormTest, PlainFormReadsBack) {
  for (double value : {0.0, 1.0, 2.5, -5.0, 3000.0, 605.0, 1e20, 0.00001, 123456789012345.0, -0.125}) {
    EXPECT_EQ(leadingNumber(plainForm(value)), value) << plainForm(value);
  }
}

// Rounded up to fifteen digits the largest doubles would read back as 0.
TEST(NumberFormTest, LargestValuesReadBackAsTheLargestForm) {
  const double largest = std::numeric_limits<double>::max();
  EXPECT_EQ(plainForm(largest), "1.79769313486231E+308");
  EXPECT_EQ(plainForm(-largest), "-1.79769313486231E+308");
  EXPECT_EQ(leadingNumber(plainForm(largest)), 1.79769313486231E+308);
  EXPECT_EQ(plainForm(1.79769313486231E+308), "1.79769313486231E+308");
}

}  // namespace
}  // namespace platform

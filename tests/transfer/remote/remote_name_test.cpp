// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/remote/remote_name.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "support/row_name.h"
#include "transfer/remote/browse.h"

namespace transfer::testing {
namespace {

struct NameCase {
  std::string name;
  std::string entry;
  bool safe;
};

void PrintTo(const NameCase& row, std::ostream* out) {
  *out << row.name << ": \"" << row.entry << "\"";
}

class RemoteNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(RemoteNameTest, OnlyPlainNamesAreSafe) {
  EXPECT_EQ(isSafeRemoteName(GetParam().entry), GetParam().safe);
}

INSTANTIATE_TEST_SUITE_P(
    Names, RemoteNameTest,
    ::testing::Values(NameCase{"PlainFile", "report.txt", true}, NameCase{"Folder", "docs/", true},
                      NameCase{"WithBlank", "my file.txt", true}, NameCase{"Hidden", ".profile", true},
                      NameCase{"ThreeDots", "...", true}, NameCase{"DotsInside", "a..b", true},
                      NameCase{"Utf8", "\xc3\xa9t\xc3\xa9.txt", true}, NameCase{"Empty", "", false},
                      NameCase{"SlashAlone", "/", false}, NameCase{"Dot", ".", false},
                      NameCase{"DotFolder", "./", false}, NameCase{"DotDot", "..", false},
                      NameCase{"DotDotFolder", "../", false}, NameCase{"ParentThenName", "../x", false},
                      NameCase{"AbsolutePath", "/etc/passwd", false}, NameCase{"TwoParts", "a/b", false},
                      NameCase{"TwoPartsFolder", "a/b/", false}, NameCase{"DoubleSlashEnd", "docs//", false},
                      NameCase{"LeadingSlashFolder", "/docs/", false},
                      NameCase{"Backslash", "..\\windows", false}, NameCase{"Tab", "a\tb", false},
                      NameCase{"CarriageReturn", "a\rb", false}, NameCase{"LineFeed", "a\nb", false},
                      NameCase{"Escape", "a\x1b[2J", false}, NameCase{"Delete", "a\x7f", false},
                      NameCase{"LongestName", std::string(255, 'n'), true},
                      NameCase{"LongerThanAnyFileSystemHolds", std::string(256, 'n'), false},
                      NameCase{"LongestFolder", std::string(255, 'n') + "/", true}),
    testing_support::RowName());

TEST(HasBlankTest, OnlyTheBlankCounts) {
  EXPECT_TRUE(hasBlank("a b"));
  EXPECT_TRUE(hasBlank(" "));
  EXPECT_FALSE(hasBlank("a\tb"));
  EXPECT_FALSE(
      hasBlank("a\xc2\xa0"
               "b"));  // a no-break space is not a blank
  EXPECT_FALSE(hasBlank(""));
}

TEST(PrintableNameTest, ControlCharactersShowAsQuestionMarks) {
  EXPECT_EQ(printableName("a\x1b[2J\r\nb\x7f"), "a?[2J??b?");
  EXPECT_EQ(printableName("plain name.txt"), "plain name.txt");
}

struct SplitCase {
  std::string name;
  std::string text;
  std::vector<std::string> pieces;
};

void PrintTo(const SplitCase& row, std::ostream* out) {
  *out << row.name;
}

class SplitListingTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitListingTest, CarriageReturnsEndNames) {
  EXPECT_EQ(splitListing(GetParam().text), GetParam().pieces);
}

INSTANTIATE_TEST_SUITE_P(Listings, SplitListingTest,
                         ::testing::Values(SplitCase{"CrLf", "a.txt\r\npub/\r\n", {"a.txt", "pub/"}},
                                           SplitCase{"LineFeedsOnly", "a.txt\nb.txt\n", {}},
                                           SplitCase{"LastLineUnended", "a.txt\r\nb.txt", {"a.txt"}},
                                           SplitCase{"EmptyLines", "\r\n\r\na.txt\r\n\r\n", {"a.txt"}},
                                           SplitCase{"CarriageReturnsOnly", "a\rb\r", {"a", "b"}},
                                           SplitCase{"LineFeedForgetsTheStart", "a\nb\r\n", {"b"}},
                                           SplitCase{"KeepsBlanks", " x y \r\n", {" x y "}},
                                           SplitCase{"Empty", "", {}}),
                         testing_support::RowName());

TEST(RemoteChildTest, StartsAtTheRootAndAppendsBelowIt) {
  EXPECT_EQ(remoteChild("", "pub/"), "/pub/");
  EXPECT_EQ(remoteChild("/pub/", "docs/"), "/pub/docs/");
}

}  // namespace
}  // namespace transfer::testing

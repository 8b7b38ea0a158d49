// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/local/file_type_filter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/row_name.h"
#include "transfer/ftp_fixture.h"

namespace transfer::testing {
namespace {

TEST(ExtensionOf, TakesUpToThreeCharactersAfterTheFirstPoint) {
  const struct {
    const char* name;
    const char* extension;
  } rows[] = {
      {"report.txt", "txt"},
      {"photo.jpeg", "jpe"},
      {"archive.tar.gz", "tar"},
      {".profile", "pro"},
      {"README", ""},
      {"ends.", ""},
      {"a.b", "b"},
      {"", ""},
      {".", ""},
      {"x..y", ".y"},
      {"... go up", ".. "},
  };
  for (const auto& row : rows)
    EXPECT_EQ(extensionOf(row.name), row.extension) << row.name;
}

const std::vector<std::string> kNames = {"a.TXT", "b.txt.bak", "c.txtx", "d.tar.txt",
                                         "e.jpg", "README",    "f.txt"};

struct FilterCase {
  std::string name;
  std::string filter;
  std::vector<std::string> kept;
};

void PrintTo(const FilterCase& row, std::ostream* out) {
  *out << row.name;
}

class ApplyFilterTest : public FtpTest, public ::testing::WithParamInterface<FilterCase> {
 protected:
  ApplyFilterTest() { start(); }
};

TEST_P(ApplyFilterTest, KeepsTheNamesOfTheFilteredTypeInTheirOrder) {
  const FilterCase& row = GetParam();
  for (const std::string& name : kNames)
    f.List1.addItem(name);
  f.Combo1.setText(row.filter);
  f.Command2.click();
  EXPECT_EQ(f.List1.items, row.kept);
  EXPECT_EQ(f.Combo1.text(), row.filter);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, ApplyFilterTest,
    ::testing::Values(FilterCase{"Lower", "txt", {"a.TXT", "b.txt.bak", "c.txtx", "f.txt"}},
                      FilterCase{"UpperMatchesLower", "TXT", {"a.TXT", "b.txt.bak", "c.txtx", "f.txt"}},
                      FilterCase{"TheFirstPointCounts", "tar", {"d.tar.txt"}},
                      FilterCase{"FourLettersMatchNothing", "jpeg", {}},
                      FilterCase{"APointMatchesNothing", ".txt", {}},
                      FilterCase{"EmptyKeepsNamesWithoutExtension", "", {"README"}},
                      FilterCase{"AllLeavesTheList", "All", kNames},
                      FilterCase{"AllInAnyCase", "aLL", kNames}),
    testing_support::RowName());

class FilterListTest : public FtpTest {
 protected:
  FilterListTest() { start(); }
  void apply(const std::string& filter) {
    f.Combo1.setText(filter);
    f.Command2.click();
  }
};

TEST_F(FilterListTest, RemembersNewFiltersSortedIgnoringCase) {
  for (const char* filter : {"txt", "JPG", "bmp", "Zip", "all", "TXT", "ALL"})
    apply(filter);
  EXPECT_EQ(f.Combo1.items, (std::vector<std::string>{"All", "bmp", "JPG", "txt", "Zip"}));
  EXPECT_EQ(f.Combo1.text(), "ALL");
}

TEST_F(FilterListTest, AnEmptyFilterBecomesAnEntry) {
  apply("");
  EXPECT_EQ(f.Combo1.items, (std::vector<std::string>{"", "All"}));
}

TEST_F(FilterListTest, AllAfterAFilterLeavesTheFilteredList) {
  for (const char* name : {"a.txt", "b.jpg"})
    f.List1.addItem(name);
  apply("txt");
  apply("All");
  EXPECT_EQ(f.List1.items, std::vector<std::string>{"a.txt"});
}

TEST_F(FilterListTest, TheGoUpEntryOfARemoteListGoesToo) {
  for (const char* name : {"... go up", "a.txt", "docs/"})
    f.List1.addItem(name);
  apply("txt");
  EXPECT_EQ(f.List1.items, std::vector<std::string>{"a.txt"});
}

TEST_F(FilterListTest, EntriesThatStayKeepTheirSelectionAndTheCurrentOne) {
  for (const char* name : {"a.jpg", "b.txt", "c.txt", "d.jpg"})
    f.List1.addItem(name);
  f.List1.selected = {true, false, true, true};
  f.List1.listIndex = 2;
  apply("txt");
  EXPECT_EQ(f.List1.items, (std::vector<std::string>{"b.txt", "c.txt"}));
  EXPECT_EQ(f.List1.selected, (std::vector<bool>{false, true}));
  EXPECT_EQ(f.List1.listIndex, 1);

  f.List1.listIndex = 0;
  apply("jpg");
  EXPECT_EQ(f.List1.listCount(), 0);
  EXPECT_EQ(f.List1.listIndex, -1);
}

}  // namespace
}  // namespace transfer::testing

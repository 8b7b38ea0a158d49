// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/control/local_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/row_name.h"
#include "support/temp_folder.h"

namespace transfer {
namespace {

namespace fs = std::filesystem;

std::string bytesOf(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct NameCase {
  std::string name;
  std::size_t length;
};

void PrintTo(const NameCase& row, std::ostream* out) {
  *out << row.name;
}

class LocalPartFileTest : public ::testing::TestWithParam<NameCase> {
 protected:
  ~LocalPartFileTest() override { fs::remove_all(folder_); }
  const fs::path folder_ = testing_support::freshTempFolder("part-file");
};

// The hidden name beside a long name must still fit the folder's limit.
TEST_P(LocalPartFileTest, WritesUnderAHiddenNameThatFitsAndRenamesOnCommit) {
  fs::create_directories(folder_);
  const fs::path target = folder_ / std::string(GetParam().length, 'n');
  std::string bytes = "payload";
  {
    PartFile file(target);
    ASSERT_EQ(PartFile::write(bytes.data(), 1, bytes.size(), &file), bytes.size()) << file.problem();
    for (const auto& entry : fs::directory_iterator(folder_)) {
      EXPECT_LE(entry.path().filename().string().size(), 255u);
      EXPECT_EQ(entry.path().filename().string().front(), '.');
    }
    EXPECT_FALSE(fs::exists(target));
    file.commit();
  }
  EXPECT_EQ(bytesOf(target), "payload");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

INSTANTIATE_TEST_SUITE_P(Names, LocalPartFileTest,
                         ::testing::Values(NameCase{"Short", 5}, NameCase{"Long240", 240},
                                           NameCase{"Long250", 250}, NameCase{"Longest255", 255}),
                         testing_support::RowName());

// Two downloads of one name at once each keep their own bytes until commit.
TEST(LocalPartFilesTest, TwoOfOneLongNameNeverShareTheHiddenFile) {
  const fs::path folder = testing_support::freshTempFolder("part-files");
  fs::create_directories(folder);
  const fs::path target = folder / std::string(250, 'x');
  std::string first = "first";
  std::string second = "second";
  {
    PartFile a(target);
    PartFile b(target);
    ASSERT_EQ(PartFile::write(first.data(), 1, first.size(), &a), first.size()) << a.problem();
    ASSERT_EQ(PartFile::write(second.data(), 1, second.size(), &b), second.size()) << b.problem();
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
    a.commit();
    EXPECT_EQ(bytesOf(target), "first");
    b.commit();
  }
  EXPECT_EQ(bytesOf(target), "second");
  fs::remove_all(folder);
}

}  // namespace
}  // namespace transfer

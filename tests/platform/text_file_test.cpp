// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "support/bytes.h"
#include "support/row_name.h"
#include "support/temp_folder.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

class TextFileTest : public ::testing::Test {
 protected:
  ~TextFileTest() override {
    std::error_code ignored;
    fs::remove_all(folder, ignored);
  }
  void put(const std::string& bytes) {
    fs::create_directories(folder);
    std::ofstream(file, std::ios::binary) << bytes;
  }
  std::string bytes() {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  fs::path folder = testing_support::freshTempFolder("text-file");
  fs::path file = folder / "user.dat";
};

struct ReadCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> lines;
  friend void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }
};

class ReadLinesTest : public TextFileTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ReadLinesTest, SplitsAtEveryLineEnd) {
  put(GetParam().bytes);
  EXPECT_EQ(readLines(file, 2, 8), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadLinesTest,
    ::testing::Values(ReadCase{"CarriageReturnLineFeed", "3000\r\n0\r\n", {"3000", "0"}},
                      ReadCase{"LineFeedOnly", "3000\n0\n", {"3000", "0"}},
                      ReadCase{"LastLineWithoutEnd", "3000\r\n0", {"3000", "0"}},
                      ReadCase{"OneLine", "3000\r\n", {"3000"}}, ReadCase{"Empty", "", {}},
                      ReadCase{"EmptySecondLine", "3000\r\n\r\n", {"3000", ""}},
                      ReadCase{"LinesAfterTheSecondIgnored", "1\r\n2\r\n3\r\n", {"1", "2"}},
                      ReadCase{"LongLineKeepsItsStart", "123456789012\r\n7\r\n", {"12345678", "7"}},
                      ReadCase{"NulBytesKept",
                               testing_support::bytes("1\0a\r\n2\r\n"),
                               {testing_support::bytes("1\0a"), "2"}}),
    testing_support::RowName());

TEST_F(TextFileTest, MissingFileReadsAsNothing) {
  EXPECT_EQ(readLines(file, 2), std::nullopt);
  EXPECT_EQ(readLinesOf(file, 2).outcome, LinesRead::Outcome::Missing);
  EXPECT_EQ(readLinesOf(folder / "no-such-folder" / "user.dat", 2).outcome, LinesRead::Outcome::Missing);
}

// What stands in a data file's place may be anything; reading it must neither
// throw (a folder once did) nor wait (a named pipe once did, for ever).
struct NotAFileCase {
  const char* name;
  std::function<void(const fs::path&)> make;
  const char* reason;
  friend void PrintTo(const NotAFileCase& c, std::ostream* os) { *os << c.name; }
};

class NotAFileTest : public TextFileTest, public ::testing::WithParamInterface<NotAFileCase> {};

TEST_P(NotAFileTest, IsUnreadableWithItsReason) {
  fs::create_directories(folder);
  GetParam().make(file);
  const LinesRead read = readLinesOf(file, 2);
  EXPECT_EQ(read.outcome, LinesRead::Outcome::Unreadable);
  EXPECT_EQ(read.reason, GetParam().reason);
  EXPECT_EQ(readLines(file, 2), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Files, NotAFileTest,
    ::testing::Values(
        NotAFileCase{"Folder", [](const fs::path& f) { fs::create_directory(f); }, "it is a folder"},
        NotAFileCase{"NamedPipe", [](const fs::path& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0); },
                     "it is not a regular file"},
        NotAFileCase{"Device", [](const fs::path& f) { fs::create_symlink("/dev/zero", f); },
                     "it is not a regular file"}),
    testing_support::RowName());

TEST_F(TextFileTest, AFileWithoutReadPermissionIsUnreadable) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
  put("3000\r\n0\r\n");
  fs::permissions(file, fs::perms::none);
  const LinesRead read = readLinesOf(file, 2);
  EXPECT_EQ(read.outcome, LinesRead::Outcome::Unreadable);
  EXPECT_EQ(read.reason, "Permission denied");
}

TEST_F(TextFileTest, WritesLinesEndedByCarriageReturnLineFeed) {
  ASSERT_TRUE(writeLinesReplacing(file, {" 2512.5", " 0"}));
  EXPECT_EQ(bytes(), " 2512.5\r\n 0\r\n");
  EXPECT_EQ(readLines(file, 2), (std::vector<std::string>{" 2512.5", " 0"}));
}

TEST_F(TextFileTest, ReplacesTheOldContentAndLeavesNoNewFileBehind) {
  put("old content that is longer\r\n");
  ASSERT_TRUE(writeLinesReplacing(file, {"1"}));
  EXPECT_EQ(bytes(), "1\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(TextFileTest, AWriteCutOffBeforeTheRenameKeepsTheOldFileWhole) {
  put(" 3000\r\n 0\r\n");
  const auto failingRename = [](const fs::path&, const fs::path&, std::error_code& error) {
    error = std::make_error_code(std::errc::no_space_on_device);
  };
  EXPECT_FALSE(writeLinesReplacing(file, {" 1", " 2"}, failingRename));
  EXPECT_EQ(bytes(), " 3000\r\n 0\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1)
      << "the new file is removed";
}

TEST_F(TextFileTest, CreatesAMissingFolder) {
  ASSERT_TRUE(writeLinesReplacing(folder / "deeper" / "user.dat", {"1"}));
  EXPECT_TRUE(fs::exists(folder / "deeper" / "user.dat"));
}

TEST_F(TextFileTest, AFolderThatCannotBeMadeFailsTheWrite) {
  put("a plain file where a folder should be");
  EXPECT_FALSE(writeLinesReplacing(file / "user.dat", {"1"}));
}

}  // namespace
}  // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/file_copy.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <string>

#include "support/temp_folder.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

class FileCopyTest : public ::testing::Test {
 protected:
  FileCopyTest() { fs::create_directories(root); }
  ~FileCopyTest() override {
    std::error_code ignored;
    fs::remove_all(root, ignored);
  }
  void put(const fs::path& file, const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }
  std::string bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  long entries() { return std::distance(fs::directory_iterator(root), fs::directory_iterator()); }

  fs::path root = testing_support::freshTempFolder("file-copy");
  fs::path from = root / "from.bin";
  fs::path to = root / "to.bin";
  std::string why;
};

TEST_F(FileCopyTest, ReplacesTheOldFile) {
  put(from, "new");
  put(to, "old and longer");
  EXPECT_TRUE(copyFileReplacing(from, to, why));
  EXPECT_EQ(bytesOf(to), "new");
  EXPECT_EQ(entries(), 2);
}

TEST_F(FileCopyTest, ALinkInPlaceOfThePartFileIsNotWrittenThrough) {
  put(from, "new");
  put(root / "elsewhere", "keep");
  fs::create_symlink(root / "elsewhere", root / ".to.bin.part");
  EXPECT_TRUE(copyFileReplacing(from, to, why));
  EXPECT_EQ(bytesOf(to), "new");
  EXPECT_EQ(bytesOf(root / "elsewhere"), "keep");
}

TEST_F(FileCopyTest, FailuresLeaveTheOldFileAndNothingElse) {
  put(to, "good");
  EXPECT_FALSE(copyFileReplacing(root / "missing", to, why));
  EXPECT_EQ(why, "the file does not exist");
  fs::create_directory(root / "folder");
  EXPECT_FALSE(copyFileReplacing(root / "folder", to, why));
  EXPECT_EQ(why, "not a plain file");
  EXPECT_EQ(bytesOf(to), "good");
  EXPECT_EQ(entries(), 2);
}

TEST_F(FileCopyTest, AFolderInTheWayIsNotTouched) {
  put(from, "x");
  fs::create_directories(to / "inside");
  EXPECT_FALSE(copyFileReplacing(from, to, why));
  EXPECT_EQ(why, "a folder of that name is in the way");
  EXPECT_TRUE(fs::exists(to / "inside"));
}

// A file size limit makes the copy fail part way, as a full disk would.
TEST_F(FileCopyTest, ACopyCutShortLeavesTheOldFile) {
  put(from, std::string(64 * 1024, 'n'));
  put(to, "good");
  rlimit before{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = before;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool copied = copyFileReplacing(from, to, why);
  setrlimit(RLIMIT_FSIZE, &before);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(copied);
  EXPECT_FALSE(why.empty());
  EXPECT_EQ(bytesOf(to), "good");
  EXPECT_EQ(entries(), 2);
}

}  // namespace
}  // namespace platform

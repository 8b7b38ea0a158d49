// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/local/local_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "transfer/ftp_fixture.h"

namespace transfer::testing {
namespace {

class LocalListTest : public FtpTest {
 protected:
  LocalListTest() { start(); }
  std::vector<std::string> sortedList() {
    std::vector<std::string> names = f.List1.items;
    std::sort(names.begin(), names.end());
    return names;
  }
};

TEST_F(LocalListTest, ListsPlainFilesOnlyAndShowsAllFilters) {
  const fs::path folder = root_ / "local";
  touch(folder / "b.txt");
  touch(folder / "a file.zip");
  touch(folder / ".hidden");
  touch(folder / "sub" / "inside.txt");
  fs::create_symlink(folder / "b.txt", folder / "link.txt");
  fs::create_symlink(folder / "sub", folder / "folder link");
  fs::create_symlink(folder / "gone.txt", folder / "dangling.txt");
  f.Text1.setText(folder.string());
  f.Combo1.setText("txt");
  f.Command8.click();
  EXPECT_EQ(sortedList(), (std::vector<std::string>{"a file.zip", "b.txt", "link.txt"}));
  EXPECT_EQ(f.Combo1.text(), "All");
  EXPECT_TRUE(f.run.listShowsLocal);
}

TEST_F(LocalListTest, AnEmptyOrMissingFolderGivesAnEmptyList) {
  for (const fs::path& folder : {root_ / "empty", root_ / "missing"}) {
    SCOPED_TRACE(folder);
    if (folder.filename() == "empty") fs::create_directories(folder);
    f.List1.addItem("stale");
    f.Text1.setText(folder.string());
    f.Command8.click();
    EXPECT_EQ(f.List1.listCount(), 0);
    EXPECT_EQ(f.Text1.text(), folder.string());
    EXPECT_TRUE(f.run.listShowsLocal);
  }
}

TEST_F(LocalListTest, AFolderThatCannotBeListedFallsBackToTheDefaultFolder) {
  touch(root_ / "a-file");
  touch(downloads_ / "fetched.bin");
  f.Text1.setText((root_ / "a-file" / "below").string());  // a file where a folder should be
  f.Command8.click();
  EXPECT_EQ(f.Text1.text(), downloads_.string());
  EXPECT_EQ(f.List1.items, std::vector<std::string>{"fetched.bin"});
}

TEST_F(LocalListTest, TheFallbackFolderIsMadeWhenMissing) {
  fs::remove_all(downloads_);
  touch(root_ / "a-file");
  f.Text1.setText((root_ / "a-file" / "below").string());
  f.Command8.click();
  EXPECT_TRUE(fs::is_directory(downloads_));
  EXPECT_EQ(f.List1.listCount(), 0);
}

TEST_F(LocalListTest, AListingThatStillFailsEndsEmpty) {
  // The default folder itself is a plain file: the fallback fails too.
  fs::remove_all(downloads_);
  touch(downloads_);
  touch(root_ / "a-file");
  f.Text1.setText((root_ / "a-file" / "below").string());
  f.Command8.click();
  EXPECT_EQ(f.List1.listCount(), 0);
  EXPECT_TRUE(f.run.listShowsLocal);
}

}  // namespace
}  // namespace transfer::testing

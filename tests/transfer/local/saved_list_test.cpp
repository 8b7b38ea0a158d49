// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/local/saved_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "transfer/ftp_fixture.h"

namespace transfer::testing {
namespace {

std::tm at(int year, int month, int day, int hour, int minute, int second) {
  std::tm moment{};
  moment.tm_year = year - 1900;
  moment.tm_mon = month - 1;
  moment.tm_mday = day;
  moment.tm_hour = hour;
  moment.tm_min = minute;
  moment.tm_sec = second;
  return moment;
}

TEST(SavedListName, HasNoLeadingZeros) {
  EXPECT_EQ(savedListName(at(2012, 3, 7, 9, 5, 30)), "DirList_3-7-2012_9-5-30.txt");
  EXPECT_EQ(savedListName(at(2012, 12, 25, 14, 3, 7)), "DirList_12-25-2012_14-3-7.txt");
  EXPECT_EQ(savedListName(at(2026, 1, 1, 0, 0, 0)), "DirList_1-1-2026_0-0-0.txt");
}

TEST(RemoveBlanks, RemovesBlanksOnly) {
  EXPECT_EQ(removeBlanks(" a b\tc "), "ab\tc");
}

class SavedListTest : public FtpTest {
 protected:
  SavedListTest() {
    start();
    f.localNow = [this] { return now; };
    fs::create_directories(local);
    f.Text1.setText(local.string());
  }
  std::string bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  std::tm now = at(2012, 3, 7, 9, 5, 30);
  fs::path local = root_ / "local";
  fs::path saved = local / "DirList_3-7-2012_9-5-30.txt";
};

TEST_F(SavedListTest, WritesTheListAsShownAndSaysSo) {
  for (const char* entry : {"... go up", "a file.txt", "docs/"})
    f.List1.addItem(entry);
  f.List1.listIndex = 1;
  f.mnuItemSaveList.click();
  EXPECT_EQ(bytesOf(saved), "... go up\r\na file.txt\r\ndocs/\r\n");
  EXPECT_EQ(f.List1.listIndex, -1);
  EXPECT_EQ(f.List1.listCount(), 3);
  EXPECT_EQ(host.messages, std::vector<std::string>{"List Saved to DirList_3-7-2012_9-5-30.txt"});
}

TEST_F(SavedListTest, AnEmptyListMakesAnEmptyFile) {
  f.mnuItemSaveList.click();
  EXPECT_TRUE(fs::exists(saved));
  EXPECT_EQ(bytesOf(saved), "");
  EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(SavedListTest, ASecondSaveInTheSameSecondReplacesTheFirst) {
  f.List1.addItem("first");
  f.mnuItemSaveList.click();
  f.List1.clearItems();
  f.List1.addItem("second");
  f.mnuItemSaveList.click();
  EXPECT_EQ(bytesOf(saved), "second\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(local), fs::directory_iterator()), 1);
}

TEST_F(SavedListTest, AFolderThatIsNotThereIsToldAndNotMade) {
  for (const fs::path& folder : {root_ / "missing", fs::path()}) {
    SCOPED_TRACE(folder);
    host.messages.clear();
    f.List1.addItem("a");
    f.List1.listIndex = 0;
    f.Text1.setText(folder.string());
    f.mnuItemSaveList.click();
    const fs::path file = folder / "DirList_3-7-2012_9-5-30.txt";
    EXPECT_EQ(host.messages,
              std::vector<std::string>{"The list could not be saved to " + file.string() + "."});
    EXPECT_FALSE(fs::exists(folder / "DirList_3-7-2012_9-5-30.txt"));
    EXPECT_EQ(f.List1.listIndex, 0);
  }
  EXPECT_FALSE(fs::exists(root_ / "missing"));
}

}  // namespace
}  // namespace transfer::testing

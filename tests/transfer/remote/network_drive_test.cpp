// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "transfer/ftp_fixture.h"

namespace transfer::testing {
namespace {

class NetworkDriveTest : public FtpTest {
 protected:
  NetworkDriveTest() {
    putSettings("ftp.example.org\r\n" + local.string() + "\r\n" + network.string() +
                "\r\nanonymous\r\n\r\n21\r\n");
    start();
    fs::create_directories(local);
    fs::create_directories(network);
  }
  void switchToNetwork() {
    f.mnuItemSwitchRemote.click();
    ASSERT_EQ(f.Label1.caption, FTP::kNetworkMode);
  }
  void put(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
  }
  std::string bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  std::vector<std::string> sortedList() {
    std::vector<std::string> names = f.List1.items;
    std::sort(names.begin(), names.end());
    return names;
  }
  void select(const std::vector<std::string>& names) {
    f.List1.selected.assign(f.List1.items.size(), false);
    for (std::size_t i = 0; i < f.List1.items.size(); ++i)
      f.List1.selected[i] = std::find(names.begin(), names.end(), f.List1.items[i]) != names.end();
  }

  fs::path local = root_ / "local";
  fs::path network = root_ / "share";
};

TEST_F(NetworkDriveTest, TwoSwitchesBringBackTheServerAndDropWhatWasTyped) {
  EXPECT_EQ(f.txtURLbox.text(), "ftp.example.org");
  switchToNetwork();
  EXPECT_EQ(f.txtURLbox.text(), network.string());
  f.txtURLbox.setText("typed but not stored");
  f.List1.addItem("kept");
  const std::string url = f.remote.connectUrl;
  f.mnuItemSwitchRemote.click();
  EXPECT_EQ(f.Label1.caption, FTP::kFtpMode);
  EXPECT_EQ(f.txtURLbox.text(), "ftp.example.org");
  EXPECT_EQ(f.List1.items, std::vector<std::string>{"kept"});
  EXPECT_EQ(f.remote.connectUrl, url);
}

TEST_F(NetworkDriveTest, ListsThePlainFilesOfTheNetworkFolder) {
  put(network / "b.txt", "b");
  put(network / "a.zip", "a");
  put(network / ".hidden", "h");
  put(network / "sub" / "inner.txt", "i");
  switchToNetwork();
  f.Combo1.setText("txt");
  f.run.listShowsLocal = true;
  f.Command4.click();
  EXPECT_EQ(sortedList(), (std::vector<std::string>{"a.zip", "b.txt"}));
  EXPECT_EQ(f.Combo1.text(), "All");
  EXPECT_FALSE(f.run.listShowsLocal);
  EXPECT_EQ(host.messages, std::vector<std::string>{});
}

TEST_F(NetworkDriveTest, AFolderThatIsNotThereIsToldAndLeavesAnEmptyList) {
  switchToNetwork();
  for (const std::string& folder : {(root_ / "gone").string(), std::string(), (network / "x.txt").string()}) {
    SCOPED_TRACE(folder);
    put(network / "x.txt", "x");
    host.messages.clear();
    f.List1.addItem("stale");
    f.txtURLbox.setText(folder);
    f.Command4.click();
    EXPECT_EQ(f.List1.listCount(), 0);
    EXPECT_EQ(host.messages, std::vector<std::string>{"The network folder " + folder + " does not exist."});
  }
}

TEST_F(NetworkDriveTest, DownloadCopiesTheSelectedFilesReplacingOldOnes) {
  put(network / "a.txt", "new a");
  put(network / "b.txt", "b");
  put(network / "c.txt", "c");
  put(local / "a.txt", "old a");
  switchToNetwork();
  f.Command4.click();
  select({"a.txt", "c.txt"});
  f.Command1.click();
  EXPECT_EQ(bytesOf(local / "a.txt"), "new a");
  EXPECT_EQ(bytesOf(local / "c.txt"), "c");
  EXPECT_FALSE(fs::exists(local / "b.txt"));
  EXPECT_EQ(host.messages, std::vector<std::string>{"Operation Complete."});
}

TEST_F(NetworkDriveTest, UploadCopiesTheSelectedLocalFiles) {
  put(local / "up.bin", "up");
  put(local / "name with blank.txt", "blank");
  switchToNetwork();
  f.Command8.click();
  select({"up.bin", "name with blank.txt"});
  f.Command3.click();
  EXPECT_EQ(bytesOf(network / "up.bin"), "up");
  EXPECT_EQ(bytesOf(network / "name with blank.txt"), "blank");
  EXPECT_EQ(host.messages, std::vector<std::string>{"Operation Complete."});
}

TEST_F(NetworkDriveTest, NothingSelectedIsTold) {
  put(network / "a.txt", "a");
  switchToNetwork();
  f.Command4.click();
  f.Command1.click();
  f.Command8.click();
  f.Command3.click();
  EXPECT_EQ(host.messages,
            (std::vector<std::string>{"No Files Selected or Copied.", "No Files Selected or Copied."}));
}

TEST_F(NetworkDriveTest, AFailedCopyLeavesTheOldFileAndTheOthersGoOn) {
  put(network / "a.txt", "a");
  put(network / "gone.txt", "soon gone");
  put(network / "c.txt", "c");
  put(local / "gone.txt", "good local copy");
  switchToNetwork();
  f.Command4.click();
  select({"a.txt", "gone.txt", "c.txt"});
  fs::remove(network / "gone.txt");
  f.Command1.click();
  EXPECT_EQ(bytesOf(local / "a.txt"), "a");
  EXPECT_EQ(bytesOf(local / "c.txt"), "c");
  EXPECT_EQ(bytesOf(local / "gone.txt"), "good local copy");
  EXPECT_EQ(host.messages,
            (std::vector<std::string>{"2 of 3 files were copied.\n"
                                      "These files were not copied:\ngone.txt: the file does not exist"}));
  // Nothing half-made is left beside the files.
  EXPECT_EQ(std::distance(fs::directory_iterator(local), fs::directory_iterator()), 3);
}

TEST_F(NetworkDriveTest, AMissingLocalFolderFailsEveryFileAndMakesNothing) {
  put(network / "a.txt", "a");
  switchToNetwork();
  f.Command4.click();
  select({"a.txt"});
  const fs::path missing = root_ / "nowhere";
  f.Text1.setText(missing.string());
  f.Command1.click();
  EXPECT_FALSE(fs::exists(missing));
  EXPECT_EQ(host.messages, std::vector<std::string>{"0 of 1 files were copied.\n"
                                                    "These files were not copied:\na.txt: the folder " +
                                                    missing.string() + " does not exist"});
}

TEST_F(NetworkDriveTest, ANameThatLeavesTheFolderIsNotCopied) {
  put(root_ / "secret.txt", "outside");
  switchToNetwork();
  f.run.listShowsLocal = false;
  f.List1.addItem("../secret.txt");
  select({"../secret.txt"});
  f.Command1.click();
  EXPECT_FALSE(fs::exists(local / "secret.txt"));
  EXPECT_FALSE(fs::exists(root_ / "secret.txt.part"));
  EXPECT_EQ(host.messages,
            std::vector<std::string>{"0 of 1 files were copied.\n"
                                     "These files were not copied:\n../secret.txt: not a plain file name"});
}

TEST_F(NetworkDriveTest, ChangeOpensTheFolderDialogForTheNetworkFolder) {
  switchToNetwork();
  const fs::path chosen = root_ / "other share";
  fs::create_directories(chosen);
  host.onModal = [&](platform::Form& form) {
    auto& dialog = static_cast<ChangeFolder&>(form);
    dialog.Dir1.setText(chosen.string());
    dialog.Command1.click();
  };
  f.Command6.click();
  EXPECT_EQ(f.settings.networkFolder, chosen.string());
  EXPECT_EQ(f.txtURLbox.text(), chosen.string());
  EXPECT_EQ(f.Text1.text(), local.string());
  EXPECT_NE(settingsBytes().find(chosen.string()), std::string::npos);
}

}  // namespace
}  // namespace transfer::testing

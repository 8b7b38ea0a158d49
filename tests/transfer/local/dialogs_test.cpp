// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "support/row_name.h"
#include "transfer/ftp_fixture.h"
#include "transfer/local/change_folder.h"
#include "transfer/remote/user_settings.h"

namespace transfer::testing {
namespace {

class DialogTest : public FtpTest {
 protected:
  DialogTest() {
    putSettings("host\r\n/home/me\r\n/mnt/share/docs\r\nme\r\npw\r\n21\r\n");
    start();
    // The dialog's own clicks, as the user would make them while it is open.
    host.onModal = [this](platform::Form& form) {
      if (onModal) onModal(form);
    };
  }
  std::function<void(platform::Form&)> onModal;
};

struct FolderCase {
  const char* name;
  bool networkMode;
  bool select;
  std::string text1, address, networkFolder;
  bool driveShown;
  friend void PrintTo(const FolderCase& c, std::ostream* os) { *os << c.name; }
};

class FolderDialogTest : public DialogTest, public ::testing::WithParamInterface<FolderCase> {};

TEST_P(FolderDialogTest, EditsTheFolderOfTheServerType) {
  const FolderCase& c = GetParam();
  if (c.networkMode) {
    f.Label1.caption = FTP::kNetworkMode;
    f.txtURLbox.setText(f.settings.networkFolder);
  }
  onModal = [&](platform::Form& form) {
    ASSERT_EQ(&form, &program.changeFolder);
    EXPECT_EQ(program.changeFolder.Dir1.text(), c.networkMode ? "/mnt/share/docs" : "/home/me");
    EXPECT_EQ(program.changeFolder.Drive1.visible, c.driveShown);
    program.changeFolder.Dir1.setText("/srv/chosen");
    (c.select ? program.changeFolder.Command1 : program.changeFolder.Command2).click();
    EXPECT_TRUE(program.changeFolder.unloadRequested);
  };
  f.mnuItemChangeLocal.click();
  ASSERT_EQ(host.modalForms.size(), 1u);
  EXPECT_EQ(f.Text1.text(), c.text1);
  EXPECT_EQ(f.txtURLbox.text(), c.address);
  EXPECT_EQ(f.settings.networkFolder, c.networkFolder);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, FolderDialogTest,
    ::testing::Values(FolderCase{"FtpSelect", false, true, "/srv/chosen", "host", "/mnt/share/docs", false},
                      FolderCase{"FtpCancel", false, false, "/home/me", "host", "/mnt/share/docs", false},
                      FolderCase{"NetworkSelect", true, true, "/home/me", "/srv/chosen", "/srv/chosen", true},
                      FolderCase{"NetworkCancel", true, false, "/home/me", "/mnt/share/docs",
                                 "/mnt/share/docs", true}),
    testing_support::RowName());

TEST_F(DialogTest, LocalChangeFillsAnEmptyFolderFirstAndSavesEvenOnCancel) {
  f.Text1.setText("");
  onModal = [&](platform::Form&) {
    EXPECT_EQ(program.changeFolder.Dir1.text(), downloads_.string());
    program.changeFolder.Command2.click();
  };
  f.Command7.click();
  EXPECT_NE(settingsBytes().find("\r\n" + downloads_.string() + "\r\n"), std::string::npos);
}

TEST_F(DialogTest, MenuChangeLeavesAnEmptyFolderEmpty) {
  f.Text1.setText("");
  onModal = [&](platform::Form&) { program.changeFolder.Command2.click(); };
  f.mnuItemChangeLocal.click();
  EXPECT_EQ(f.Text1.text(), "");
}

TEST_F(DialogTest, DriveChangeShowsThatDrivesFolders) {
  f.Label1.caption = FTP::kNetworkMode;
  onModal = [&](platform::Form&) {
    program.changeFolder.Drive1.setText("/media/usb");
    EXPECT_EQ(program.changeFolder.Dir1.text(), "/media/usb");
    program.changeFolder.Command2.click();
  };
  f.mnuItemChangeLocal.click();
}

TEST_F(DialogTest, UserSettingsSavesNamePasswordAndPort) {
  onModal = [&](platform::Form& form) {
    ASSERT_EQ(&form, &program.userSettings);
    EXPECT_EQ(program.userSettings.Text1.text(), "me");
    EXPECT_EQ(program.userSettings.Text2.text(), "pw");
    EXPECT_EQ(program.userSettings.Text3.text(), "21");
    program.userSettings.Text1.setText("a@b");
    program.userSettings.Text2.setText("p@ss:w ord");
    program.userSettings.Text3.setText("2121");
    program.userSettings.Command1.click();
  };
  f.mnuItemUserSettings.click();
  EXPECT_EQ(f.settings.userName, "a@b");
  EXPECT_EQ(f.settings.password, "p@ss:w ord");
  EXPECT_EQ(f.settings.port, 2121);
  EXPECT_EQ(settingsBytes(), "host\r\n/home/me\r\n/mnt/share/docs\r\na@b\r\np@ss:w ord\r\n2121\r\n");
}

TEST_F(DialogTest, AnonymousTickShowsAnonymousAndClearingItBringsTheSettingsBack) {
  onModal = [&](platform::Form&) {
    UserSettings& d = program.userSettings;
    d.Check1.setValue(true);
    d.Check1.click();
    EXPECT_EQ(d.Text1.text(), "anonymous");
    EXPECT_EQ(d.Text2.text(), "");
    d.Check1.setValue(false);
    d.Check1.click();
    EXPECT_EQ(d.Text1.text(), "me");
    EXPECT_EQ(d.Text2.text(), "pw");
    d.Picture1.click();
    EXPECT_TRUE(d.unloadRequested);
  };
  f.mnuItemUserSettings.click();
  EXPECT_EQ(f.settings.userName, "me");
}

TEST_F(DialogTest, APortOutOfRangeIsRefusedWithAMessage) {
  onModal = [&](platform::Form&) {
    for (const char* typed : {"0", "65536", "21.5", "abc"}) {
      program.userSettings.Text3.setText(typed);
      program.userSettings.Command1.click();
      EXPECT_FALSE(program.userSettings.unloadRequested) << typed;
    }
  };
  f.mnuItemUserSettings.click();
  EXPECT_EQ(host.messages.size(), 4u);
  EXPECT_EQ(f.settings.port, 21);
}

}  // namespace
}  // namespace transfer::testing

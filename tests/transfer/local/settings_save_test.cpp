// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>

#include "support/row_name.h"
#include "transfer/ftp_fixture.h"

namespace transfer::testing {
namespace {

// What the user does after the start; `inDialog` runs while a dialog is open.
using Act = std::function<void(Quillmere& p, std::function<void()>& inDialog)>;

struct SaveCase {
  const char* name;
  bool blockedBeforeStart;
  Act act;
  friend void PrintTo(const SaveCase& c, std::ostream* os) { *os << c.name; }
};

class SettingsSaveTest : public FtpTest, public ::testing::WithParamInterface<SaveCase> {
 protected:
  SettingsSaveTest() {
    host.onModal = [this](platform::Form&) {
      if (inDialog) inDialog();
    };
  }
  // Before the start a file takes the data folder's place; after it a
  // folder that is not empty takes the settings file's. Neither can be
  // replaced, even by a privileged user.
  void blockDataFolder() { touch(data_); }
  void blockSettingsFile() {
    fs::remove(settingsFilePath(f));
    fs::create_directories(settingsFilePath(f) / "blocked");
  }

  std::function<void()> inDialog;
};

// Every place that saves the settings, the first start among them: a file
// that cannot be written is told once, by name.
TEST_P(SettingsSaveTest, AFailedSaveIsTold) {
  const SaveCase& c = GetParam();
  if (c.blockedBeforeStart) blockDataFolder();
  start();
  if (!c.blockedBeforeStart) blockSettingsFile();
  if (c.act) c.act(program, inDialog);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], "The settings could not be saved to " + settingsFilePath(f).string() + ".");
}

INSTANTIATE_TEST_SUITE_P(Places, SettingsSaveTest,
                         ::testing::Values(SaveCase{"FirstStart", true, nullptr},
                                           SaveCase{"AddressChange", false,
                                                    [](Quillmere& p, std::function<void()>&) {
                                                      p.window.txtURLbox.setText("host");
                                                      p.window.Command6.click();
                                                    }},
                                           SaveCase{"LocalChangeCancelled", false,
                                                    [](Quillmere& p, std::function<void()>& inDialog) {
                                                      inDialog = [&p] { p.changeFolder.Command2.click(); };
                                                      p.window.Command7.click();
                                                    }},
                                           SaveCase{"FolderSelected", false,
                                                    [](Quillmere& p, std::function<void()>& inDialog) {
                                                      inDialog = [&p] { p.changeFolder.Command1.click(); };
                                                      p.window.mnuItemChangeLocal.click();
                                                    }},
                                           SaveCase{"UserSettingsSaved", false,
                                                    [](Quillmere& p, std::function<void()>& inDialog) {
                                                      inDialog = [&p] { p.userSettings.Command1.click(); };
                                                      p.window.mnuItemUserSettings.click();
                                                    }}),
                         testing_support::RowName());

}  // namespace
}  // namespace transfer::testing

#include "platform/paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "support/temp_folder.h"

namespace platform {
namespace {

TEST(VolumeOfTest, TheLongestMountPointHoldingThePath) {
  const std::vector<std::string> volumes = {"/", "/mnt/share", "/mnt/share/deep", "/media/usb"};
  const std::pair<const char*, const char*> cases[] = {
      {"/mnt/share/docs", "/mnt/share"},
      {"/mnt/share/deep/x", "/mnt/share/deep"},
      {"/mnt/shared", "/"},
      {"/media/usb", "/media/usb"},
      {"/home/me", "/"},
      {"relative", "/"},
  };
  for (auto [path, volume] : cases)
    EXPECT_EQ(volumeOf(path, volumes), volume) << path;
}

TEST(DownloadsFolderTest, ReadsTheUsersDownloadFolderSetting) {
  const std::filesystem::path config = testing_support::freshTempFolder("config");
  std::filesystem::create_directories(config);
  const char* home = std::getenv("HOME");
  ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  std::ofstream(config / "user-dirs.dirs") << "# written by xdg-user-dirs-update\n"
                                           << "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                                           << "XDG_DOWNLOAD_DIR=\"$HOME/Fetched\"\n";
  EXPECT_EQ(downloadsFolder(), std::filesystem::path(home) / "Fetched");
  std::ofstream(config / "user-dirs.dirs") << "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n";
  EXPECT_EQ(downloadsFolder(), std::filesystem::path(home) / "Downloads");
  // A folder in the file's place is no setting, and reading it must not throw.
  std::filesystem::remove(config / "user-dirs.dirs");
  std::filesystem::create_directories(config / "user-dirs.dirs" / "inside");
  EXPECT_EQ(downloadsFolder(), std::filesystem::path(home) / "Downloads");
  ::unsetenv("XDG_CONFIG_HOME");
  std::filesystem::remove_all(config);
}

}  // namespace
}  // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include <pwd.h>
#include <unistd.h>

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

// Sets or unsets an environment variable for one scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    value ? ::setenv(name, value, 1) : ::unsetenv(name);
  }
  ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(DataFolderTest, FollowsXdgDataHomeThenHomeThenThePasswordDatabase) {
  const std::string passwordHome = ::getpwuid(::getuid())->pw_dir;
  const struct {
    const char* name;
    const char* xdgDataHome;
    const char* home;
    std::string folder;
  } rows[] = {
      {"XDG_DATA_HOME", "/srv/data", "/home/me", "/srv/data/tavorin"},
      {"a relative XDG_DATA_HOME is ignored", "data", "/home/me", "/home/me/.local/share/tavorin"},
      {"HOME", nullptr, "/home/me", "/home/me/.local/share/tavorin"},
      {"no HOME", nullptr, nullptr, passwordHome + "/.local/share/tavorin"},
      {"an empty HOME", "", "", passwordHome + "/.local/share/tavorin"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const ScopedEnv xdg("XDG_DATA_HOME", row.xdgDataHome);
    const ScopedEnv home("HOME", row.home);
    EXPECT_EQ(dataFolder("tavorin"), std::filesystem::path(row.folder));
  }
}

}  // namespace
}  // namespace platform

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/paths.h"

#include <pwd.h>
#include <unistd.h>

#include "platform/text_file.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <set>
#include <system_error>

namespace platform {
namespace fs = std::filesystem;

fs::path assetFolder(std::string_view program, const fs::path& buildTreeAssets) {
  std::error_code error;
  const fs::path executable = fs::read_symlink("/proc/self/exe", error);
  if (!error) {
    const fs::path installed = executable.parent_path().parent_path() / "share" / program;
    if (fs::is_directory(installed, error)) return installed;
  }
  return buildTreeAssets;
}

namespace {

// $HOME, else the home folder the password database gives (a start from a
// service or `env -i` has no HOME), else /tmp.
fs::path homeFolder() {
  const char* home = std::getenv("HOME");
  if (home && *home) return home;
  if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir && *entry->pw_dir)
    return entry->pw_dir;
  return "/tmp";
}

}  // namespace

fs::path dataFolder(std::string_view program) {
  const char* xdgDataHome = std::getenv("XDG_DATA_HOME");
  if (xdgDataHome && *xdgDataHome && fs::path(xdgDataHome).is_absolute())
    return fs::path(xdgDataHome) / program;
  return homeFolder() / ".local" / "share" / program;
}

fs::path downloadsFolder() {
  const char* configHome = std::getenv("XDG_CONFIG_HOME");
  const fs::path config = configHome && *configHome ? fs::path(configHome) : homeFolder() / ".config";
  // A line reads XDG_DOWNLOAD_DIR="$HOME/Downloads" or an absolute path.
  // Read as a data file: a folder or a named pipe in its place is no setting.
  const auto lines = readLines(config / "user-dirs.dirs", 1000);
  for (const std::string& line : lines.value_or(std::vector<std::string>{})) {
    const std::string key = "XDG_DOWNLOAD_DIR=\"";
    if (line.rfind(key, 0) != 0) continue;
    std::string value = line.substr(key.size());
    if (const auto quote = value.find('"'); quote != std::string::npos) value.resize(quote);
    if (value.rfind("$HOME", 0) == 0) return homeFolder() / fs::path(value.substr(5)).relative_path();
    if (fs::path(value).is_absolute()) return value;
  }
  return homeFolder() / "Downloads";
}

std::vector<std::string> mountedVolumes() {
  static const std::set<std::string> kNetworkTypes = {"nfs",   "nfs4",       "cifs", "smb3",
                                                      "smbfs", "fuse.sshfs", "9p"};
  std::vector<std::string> volumes = {"/"};
  std::ifstream mounts("/proc/self/mounts");
  std::string device, mountPoint, type, rest;
  while (mounts >> device >> mountPoint >> type && std::getline(mounts, rest)) {
    const bool real = device.rfind("/dev/", 0) == 0 || kNetworkTypes.count(type) > 0;
    // Files bind-mounted into place are no volumes; octal escapes mark odd names.
    std::error_code error;
    if (!real || mountPoint.find('\\') != std::string::npos || !fs::is_directory(mountPoint, error)) continue;
    if (std::find(volumes.begin(), volumes.end(), mountPoint) == volumes.end()) volumes.push_back(mountPoint);
  }
  return volumes;
}

std::string volumeOf(const std::string& path, const std::vector<std::string>& volumes) {
  std::string best = "/";
  for (const std::string& volume : volumes) {
    const bool holds = path == volume ||
                       (path.rfind(volume, 0) == 0 && (volume.back() == '/' || path[volume.size()] == '/'));
    if (holds && volume.size() > best.size()) best = volume;
  }
  return best;
}

}  // namespace platform

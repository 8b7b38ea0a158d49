#include "platform/paths.h"

#include <cstdlib>
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

fs::path dataFolder(std::string_view program) {
  const char* xdgDataHome = std::getenv("XDG_DATA_HOME");
  if (xdgDataHome && *xdgDataHome && fs::path(xdgDataHome).is_absolute())
    return fs::path(xdgDataHome) / program;
  const char* home = std::getenv("HOME");
  return fs::path(home && *home ? home : "/tmp") / ".local" / "share" / program;
}

}  // namespace platform

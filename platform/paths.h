#pragma once

// Where each program finds its installed files and keeps its data on Linux.

#include <filesystem>
#include <string_view>

namespace platform {

// The program's read-only files (pictures, icons, manual): the installed
// <prefix>/share/<program>/ beside the executable's bin folder, else the
// build tree's asset folder the executable was built with.
std::filesystem::path assetFolder(std::string_view program, const std::filesystem::path& buildTreeAssets);

// $XDG_DATA_HOME/<program>/, by default ~/.local/share/<program>/.
std::filesystem::path dataFolder(std::string_view program);

}  // namespace platform

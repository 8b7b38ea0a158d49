// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where each program finds its installed files and keeps its data on Linux.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The program's read-only files (pictures, icons, manual): the installed
// <prefix>/share/<program>/ beside the executable's bin folder, else the
// build tree's asset folder the executable was built with.
std::filesystem::path assetFolder(std::string_view program, const std::filesystem::path& buildTreeAssets);

// $XDG_DATA_HOME/<program>/, by default ~/.local/share/<program>/.
std::filesystem::path dataFolder(std::string_view program);

// The user's Downloads folder (XDG_DOWNLOAD_DIR of user-dirs.dirs, else
// ~/Downloads); the transfer program's default and fallback folder.
std::filesystem::path downloadsFolder();

// Mount points of real and network volumes, "/" first.
std::vector<std::string> mountedVolumes();

// The mount point among `volumes` that holds `path`: the longest that is a
// prefix of it; "/" when none is.
std::string volumeOf(const std::string& path, const std::vector<std::string>& volumes);

}  // namespace platform

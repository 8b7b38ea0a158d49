// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Copies one file over another without ever leaving a cut copy in its place.

#include <filesystem>
#include <string>

namespace platform {

// Copies `from` to `to`, replacing a file already there. The copy is made
// under a hidden name beside `to` and renamed over it once it is whole on
// disk, so a failure (a missing source, no permission, a full disk) leaves
// `to` as it was and no partial file behind. Returns false and a few words
// on what went wrong in `why`.
[[nodiscard]] bool copyFileReplacing(const std::filesystem::path& from, const std::filesystem::path& to,
                                     std::string& why);

}  // namespace platform

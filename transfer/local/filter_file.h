// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The remembered filters, one a line in filters.db beside the settings.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "transfer/local/ftp.h"

namespace transfer {

std::filesystem::path filterFilePath(const FTP& f);

// True when `file` is a file that can be opened for reading.
bool fileExists(const std::filesystem::path& file);

// The filters a filter file holds, empty lines left out. Nothing when it
// cannot be read or is damaged: binary content, a line or a number of lines
// no one would type.
std::optional<std::vector<std::string>> readFilterFile(const std::filesystem::path& file);

// Adds the remembered filters to Combo1. A file that cannot be read is
// replaced by one holding "All", and Combo1 then holds only "All".
void loadFilters(FTP& f);

// Writes Combo1's entries in their order; false when the file cannot be
// written, the old one then left as it was.
[[nodiscard]] bool saveFilters(FTP& f);

}  // namespace transfer

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The programs' small data files: one value a line, lines ended by CR LF.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace platform {

// What reading a data file gave. A missing file and one that is there but
// cannot be read are told apart: only the first may quietly be replaced.
struct LinesRead {
  enum class Outcome { Read, Missing, Unreadable };
  Outcome outcome = Outcome::Read;
  std::vector<std::string> lines;
  std::string reason;  // why an existing file could not be read, in plain words
};

// Reads up to `maxLines` lines. Accepts CR LF and LF line ends; a last line
// without an end counts. A line longer than `maxLineLength` keeps only its
// start, so a damaged file cannot fill the memory. Only a regular file is
// read: a folder, a named pipe or a device in its place is unreadable, never
// waited on. Never throws.
LinesRead readLinesOf(const std::filesystem::path& file, std::size_t maxLines,
                      std::size_t maxLineLength = 4096);

// The same, with nothing for a file that is missing or cannot be read.
std::optional<std::vector<std::string>> readLines(const std::filesystem::path& file, std::size_t maxLines,
                                                  std::size_t maxLineLength = 4096);

// How a finished new file takes the old one's place; tests replace it to
// fail the way a crash or a full disk would.
using RenameFile =
    std::function<void(const std::filesystem::path& from, const std::filesystem::path& to, std::error_code&)>;

// Writes the lines, each ended by CR LF, to a new file beside `file` and
// renames it over `file` once it is complete on disk, so the old content
// stays whole until the new one is. Creates the folder when missing.
// Returns false, with the old file untouched, when any step fails.
// `permissions` are the new file's, e.g. 0600 for a file that holds a password.
bool writeLinesReplacing(const std::filesystem::path& file, const std::vector<std::string>& lines,
                         const RenameFile& rename = {}, unsigned permissions = 0644);

}  // namespace platform

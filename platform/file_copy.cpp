// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/file_copy.h"

#include <fcntl.h>
#include <unistd.h>

#include <system_error>

namespace platform {
namespace fs = std::filesystem;

namespace {

// The C library's words for an error, with a small first letter so they read
// well after a name and a colon.
std::string wordsFor(const std::error_code& error) {
  std::string words = error.message();
  if (!words.empty() && words.front() >= 'A' && words.front() <= 'Z') words.front() += 'a' - 'A';
  return words;
}

bool flushToDisk(const fs::path& file) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool flushed = ::fsync(fd) == 0;
  return ::close(fd) == 0 && flushed;
}

}  // namespace

bool copyFileReplacing(const fs::path& from, const fs::path& to, std::string& why) {
  std::error_code error;
  const fs::file_status source = fs::status(from, error);
  if (!fs::exists(source)) {
    why = "the file does not exist";
    return false;
  }
  if (!fs::is_regular_file(source)) {
    why = "not a plain file";
    return false;
  }
  if (fs::is_directory(fs::symlink_status(to, error))) {
    why = "a folder of that name is in the way";
    return false;
  }

  const fs::path part = to.parent_path() / ("." + to.filename().string() + ".part");
  // A leftover, or a link someone left in a shared folder, must not be
  // written through.
  std::error_code ignored;
  fs::remove(part, ignored);
  fs::copy_file(from, part, fs::copy_options::overwrite_existing, error);
  if (!error && !flushToDisk(part)) error = std::error_code(errno, std::generic_category());
  if (!error) fs::rename(part, to, error);
  if (error) {
    why = wordsFor(error);
    fs::remove(part, ignored);
    return false;
  }
  return true;
}

}  // namespace platform

#include "platform/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

namespace platform {
namespace fs = std::filesystem;

std::optional<std::vector<std::string>> readLines(const fs::path& file, std::size_t maxLines,
                                                  std::size_t maxLineLength) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::string> lines;
  std::string line;
  std::istreambuf_iterator<char> it(in), end;
  while (lines.size() < maxLines && it != end) {
    line.clear();
    while (it != end && *it != '\n') {
      if (line.size() < maxLineLength) line += *it;
      ++it;
    }
    if (it != end) ++it;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

namespace {

bool writeAll(int fd, const std::string& data) {
  std::size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

bool writeLinesReplacing(const fs::path& file, const std::vector<std::string>& lines,
                         const RenameFile& rename, unsigned permissions) {
  std::error_code error;
  if (file.has_parent_path()) fs::create_directories(file.parent_path(), error);
  if (error) return false;

  std::string content;
  for (const std::string& line : lines)
    content += line + "\r\n";

  fs::path fresh = file;
  fresh += ".new";
  ::unlink(fresh.c_str());  // a leftover from a crash may carry other permissions
  const int fd =
      ::open(fresh.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, static_cast<mode_t>(permissions));
  if (fd < 0) return false;
  ::fchmod(fd, static_cast<mode_t>(permissions));
  // Complete on disk before it replaces the old file.
  const bool written = writeAll(fd, content) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (written && closed) {
    if (rename) {
      rename(fresh, file, error);
    } else {
      fs::rename(fresh, file, error);
    }
    if (!error) return true;
  }
  fs::remove(fresh, error);
  return false;
}

}  // namespace platform

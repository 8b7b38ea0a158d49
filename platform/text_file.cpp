// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

namespace platform {
namespace fs = std::filesystem;

namespace {

LinesRead unreadable(std::string reason) {
  return {LinesRead::Outcome::Unreadable, {}, std::move(reason)};
}

// Splits what was read into lines as it arrives, so no more than the lines
// asked for is kept.
class LineSplitter {
 public:
  LineSplitter(std::size_t maxLines, std::size_t maxLineLength)
      : maxLines_(maxLines), maxLineLength_(maxLineLength) {}

  bool full() const { return lines_.size() >= maxLines_; }

  // A run up to the next line end at a time: a file of a hundred thousand
  // lines is read many times faster than a character at a time.
  void feed(const char* data, std::size_t size) {
    const char* const end = data + size;
    while (data < end && !full()) {
      const auto* newline =
          static_cast<const char*>(std::memchr(data, '\n', static_cast<std::size_t>(end - data)));
      const char* const runEnd = newline ? newline : end;
      if (runEnd > data) {
        started_ = true;
        // One character past the longest, so endLine can tell a line cut short.
        const std::size_t room = maxLineLength_ + 1 - std::min(line_.size(), maxLineLength_ + 1);
        line_.append(data, std::min(room, static_cast<std::size_t>(runEnd - data)));
      }
      if (!newline) break;
      endLine();
      data = newline + 1;
    }
  }

  std::vector<std::string> finish() {
    if (started_ && !full()) endLine();
    return std::move(lines_);
  }

 private:
  void endLine() {
    if (!line_.empty() && line_.back() == '\r') line_.pop_back();
    if (line_.size() > maxLineLength_) line_.resize(maxLineLength_);
    lines_.push_back(std::move(line_));
    line_.clear();
    started_ = false;
  }

  std::size_t maxLines_;
  std::size_t maxLineLength_;
  std::vector<std::string> lines_;
  std::string line_;
  bool started_ = false;
};

}  // namespace

LinesRead readLinesOf(const fs::path& file, std::size_t maxLines, std::size_t maxLineLength) {
  // Non-blocking, so a named pipe in the file's place cannot stall the open.
  const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR) return {LinesRead::Outcome::Missing, {}, {}};
    return unreadable(std::strerror(error));
  }
  struct stat about {};
  if (::fstat(fd, &about) != 0 || !S_ISREG(about.st_mode)) {
    const bool folder = S_ISDIR(about.st_mode);
    ::close(fd);
    return unreadable(folder ? "it is a folder" : "it is not a regular file");
  }
  LineSplitter splitter(maxLines, maxLineLength);
  char buffer[65536];
  while (!splitter.full()) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      ::close(fd);
      return unreadable(std::strerror(error));
    }
    splitter.feed(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return {LinesRead::Outcome::Read, splitter.finish(), {}};
}

std::optional<std::vector<std::string>> readLines(const fs::path& file, std::size_t maxLines,
                                                  std::size_t maxLineLength) {
  LinesRead read = readLinesOf(file, maxLines, maxLineLength);
  if (read.outcome != LinesRead::Outcome::Read) return std::nullopt;
  return std::move(read.lines);
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

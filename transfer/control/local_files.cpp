// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/control/local_files.h"

#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <system_error>

#include "transfer/control/transfer_error.h"

namespace transfer {
namespace {

namespace fs = std::filesystem;

std::string systemError() {
  return std::strerror(errno);
}

// The longest name the folder takes; 255 when it does not say.
std::size_t nameLimit(const fs::path& folder) {
  const long limit = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
  return limit > 0 ? static_cast<std::size_t>(limit) : 255;
}

// ".NAME.part-PID-N" while that fits the folder, else ".HASH.part-PID-N" with
// a short hash of the name: the process and the serial alone keep it apart
// from every other download's, the hash only shows what it belongs to.
std::string temporaryName(const std::string& name, std::size_t limit, unsigned serial) {
  const std::string tail = ".part-" + std::to_string(::getpid()) + "-" + std::to_string(serial);
  std::string readable = "." + name + tail;
  if (readable.size() <= limit) return readable;
  char hash[17];
  std::snprintf(hash, sizeof hash, "%016zx", std::hash<std::string>{}(name));
  std::string shortName = "." + std::string(hash) + tail;
  if (shortName.size() > limit) shortName.erase(0, shortName.size() - limit);
  return shortName;
}

}  // namespace

PartFile::~PartFile() {
  if (file_) std::fclose(file_);
  if (!temporary_.empty()) {
    std::error_code ignored;
    fs::remove(temporary_, ignored);
  }
}

std::size_t PartFile::write(char* data, std::size_t size, std::size_t count, void* self) {
  auto& download = *static_cast<PartFile*>(self);
  if (!download.file_ && !download.open()) return 0;
  if (std::fwrite(data, size, count, download.file_) != count) {
    download.problem_ = "Cannot write the local file " + download.target_.string() + ": " + systemError();
    return 0;
  }
  return size * count;
}

void PartFile::commit() {
  if (!file_ && !open()) throw TransferError(kLocalFileFailed, problem_);
  const bool flushed = std::fflush(file_) == 0;
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  if (!flushed || !closed)
    throw TransferError(kLocalFileFailed,
                        "Cannot write the local file " + target_.string() + ": " + systemError());
  std::error_code error;
  fs::rename(temporary_, target_, error);
  if (error)
    throw TransferError(kLocalFileFailed,
                        "Cannot replace the local file " + target_.string() + ": " + error.message());
  temporary_.clear();
}

// "x" never takes over a file that is there; one of that name, left by
// someone else, only moves us on to the next serial.
bool PartFile::open() {
  static constexpr int kAttempts = 100;
  static std::atomic<unsigned> counter{0};
  const fs::path folder = target_.parent_path();
  const std::size_t limit = nameLimit(folder);
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const fs::path candidate = folder / temporaryName(target_.filename().string(), limit, counter++);
    file_ = std::fopen(candidate.c_str(), "wbx");
    if (file_) {
      temporary_ = candidate;
      return true;
    }
    if (errno != EEXIST) break;
  }
  problem_ = "Cannot create the local file " + target_.string() + ": " + systemError();
  return false;
}

SourceFile::SourceFile(const fs::path& source) {
  std::error_code error;
  if (fs::is_regular_file(source, error)) file_ = std::fopen(source.c_str(), "rb");
  if (file_) size_ = static_cast<curl_off_t>(fs::file_size(source, error));
  if (!file_ || error) {
    if (file_) std::fclose(file_);
    throw TransferError(kLocalFileFailed, "Cannot read the local file " + source.string() + ".");
  }
  source_ = source;
}

std::size_t SourceFile::read(char* buffer, std::size_t size, std::size_t count, void* self) {
  auto& upload = *static_cast<SourceFile*>(self);
  const std::size_t got = std::fread(buffer, size, count, upload.file_);
  if (got == 0 && std::ferror(upload.file_)) {
    upload.problem_ = "Cannot read the local file " + upload.source_.string() + ": " + systemError();
    return CURL_READFUNC_ABORT;
  }
  return got * size;
}

}  // namespace transfer

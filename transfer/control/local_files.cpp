// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/control/local_files.h"

#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <system_error>

#include "transfer/control/transfer_error.h"

namespace transfer {
namespace {

namespace fs = std::filesystem;

std::string systemError() {
  return std::strerror(errno);
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

bool PartFile::open() {
  static std::atomic<unsigned> counter{0};
  const fs::path candidate =
      target_.parent_path() / ("." + target_.filename().string() + ".part-" + std::to_string(::getpid()) +
                               "-" + std::to_string(counter++));
  file_ = std::fopen(candidate.c_str(), "wbx");
  if (!file_) {
    problem_ = "Cannot create the local file " + target_.string() + ": " + systemError();
    return false;
  }
  temporary_ = candidate;
  return true;
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

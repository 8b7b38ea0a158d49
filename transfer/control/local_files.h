// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The local side of a file transfer: the file a download writes and the one
// an upload reads, each fed to libcurl through a callback. A problem with the
// local file is kept as text, for the request to raise once libcurl returns.

#include <curl/curl.h>

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string>

namespace transfer {

// Written under a hidden name beside the target and renamed over it only when
// complete, so a failed transfer leaves no partial file and keeps an old one.
class PartFile {
 public:
  explicit PartFile(std::filesystem::path target) : target_(std::move(target)) {}
  ~PartFile();
  PartFile(const PartFile&) = delete;
  PartFile& operator=(const PartFile&) = delete;

  static std::size_t write(char* data, std::size_t size, std::size_t count, void* self);

  const std::string& problem() const { return problem_; }

  void commit();

 private:
  bool open();

  std::filesystem::path target_;
  std::filesystem::path temporary_;
  std::FILE* file_ = nullptr;
  std::string problem_;
};

// The local file an upload reads, opened and measured before the request.
class SourceFile {
 public:
  explicit SourceFile(const std::filesystem::path& source);
  ~SourceFile() { std::fclose(file_); }
  SourceFile(const SourceFile&) = delete;
  SourceFile& operator=(const SourceFile&) = delete;

  static std::size_t read(char* buffer, std::size_t size, std::size_t count, void* self);

  curl_off_t size() const { return size_; }
  const std::string& problem() const { return problem_; }

 private:
  std::filesystem::path source_;
  std::FILE* file_ = nullptr;
  curl_off_t size_ = 0;
  std::string problem_;
};

}  // namespace transfer

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A transfer window with a scripted host, its settings file in a folder of
// its own and a local folder to list.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/fake_host.h"
#include "support/temp_folder.h"
#include "transfer/local/ftp.h"
#include "transfer/local/ftp_startup.h"
#include "transfer/local/quillmere.h"
#include "transfer/remote/connection_settings.h"

namespace transfer::testing {

namespace fs = std::filesystem;

class FtpTest : public ::testing::Test {
 protected:
  ~FtpTest() override {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }

  // Starts the window as the program does.
  void start() { ftpLoad(f); }

  void putSettings(const std::string& bytes) {
    fs::create_directories(data_);
    std::ofstream(settingsFilePath(f), std::ios::binary) << bytes;
  }
  std::string settingsBytes() {
    std::ifstream in(settingsFilePath(f), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  void touch(const fs::path& file) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "x";
  }

  fs::path root_ = testing_support::freshTempFolder("quillmere");
  fs::path data_ = root_ / "data";
  fs::path downloads_ = root_ / "Downloads";
  testing_support::FakeHost host;
  Quillmere program{host, "/opt/quillmere", data_, downloads_};
  FTP& f = program.window;
};

}  // namespace transfer::testing

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The transfer window against a real FTP server (pyftpdlib on 127.0.0.1)
// with its own folder as the server's root and a local folder of its own.
// Hold waits as in the program: until the transfer control reports the end
// of a request, or until the timer's tick, here a short real wait.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "transfer/control/inet.h"
#include "transfer/ftp_fixture.h"
#include "transfer/ftp_test_server.h"

namespace transfer::testing {

using transfer_testing::FtpServerOptions;
using transfer_testing::FtpTestServer;

// Relative path ("/" after a folder) to bytes.
using Files = std::map<std::string, std::string>;

// Every file and folder below `folder`.
inline Files filesBelow(const fs::path& folder) {
  Files files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    const std::string relative = fs::relative(entry.path(), folder).string();
    if (entry.is_directory()) {
      files[relative + "/"] = "";
    } else {
      std::ifstream in(entry.path(), std::ios::binary);
      files[relative] = {std::istreambuf_iterator<char>(in), {}};
    }
  }
  return files;
}

// Stands in for Timer1's one-second tick: short, so the bounded repeats of a
// failing file cost little, and still long enough that most requests end first.
constexpr std::chrono::milliseconds kTick{100};

// Every byte value, so a text-mode transfer shows.
inline std::string binary(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i)
    bytes[i] = static_cast<char>((i * 7 + i / 256) % 256);
  return bytes;
}

class RemoteFtpTest : public FtpTest {
 protected:
  RemoteFtpTest() {
    fs::create_directories(server_);
    fs::create_directories(local_);
    host.onWait = [this] {
      if (host.awaitPosted(kTick)) return;
      ++ticks_;
      f.Timer1.onTimer();
    };
  }

  void startServer(const FtpServerOptions& options = {}) {
    ftpServer_ = std::make_unique<FtpTestServer>(server_, root_ / "events.log", options);
    start();
    f.txtURLbox.setText("127.0.0.1");
    f.settings.userName = FtpTestServer::kUser;
    f.settings.password = FtpTestServer::kPassword;
    f.settings.port = ftpServer_->port();
    f.Text1.setText(local_.string());
    f.Inet1->setTimeouts(std::chrono::seconds(5), std::chrono::seconds(5));
  }

  static void write(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
  }
  static std::string read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  // The names in a folder, sorted, with "/" after a folder's.
  static std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
      names.push_back(entry.path().filename().string() + (entry.is_directory() ? "/" : ""));
    std::sort(names.begin(), names.end());
    return names;
  }

  // List1's entries after the optional "... go up", sorted: servers list in no fixed order.
  std::vector<std::string> listedNames() const {
    std::vector<std::string> names = f.List1.items;
    if (!names.empty() && names.front() == "... go up") names.erase(names.begin());
    std::sort(names.begin(), names.end());
    return names;
  }

  // Makes the entry current, as a click on it does, and clicks "Set Remote Directory".
  void browseFrom(const std::string& entry) {
    const auto at = std::find(f.List1.items.begin(), f.List1.items.end(), entry);
    ASSERT_NE(at, f.List1.items.end()) << entry << " is not listed";
    f.List1.listIndex = static_cast<int>(at - f.List1.items.begin());
    f.Command4.click();
  }

  void select(const std::vector<std::string>& names) {
    f.List1.selected.assign(f.List1.items.size(), false);
    for (const std::string& name : names) {
      const auto at = std::find(f.List1.items.begin(), f.List1.items.end(), name);
      ASSERT_NE(at, f.List1.items.end()) << name << " is not listed";
      f.List1.selected[static_cast<std::size_t>(at - f.List1.items.begin())] = true;
    }
  }

  fs::path server_ = root_ / "server";
  fs::path local_ = root_ / "local files";  // a blank, as in many real download folders
  std::unique_ptr<FtpTestServer> ftpServer_;
  int ticks_ = 0;  // waits that ran to the timer's tick
};

}  // namespace transfer::testing

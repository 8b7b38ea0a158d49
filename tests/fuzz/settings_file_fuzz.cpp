// SPDX-License-Identifier: GPL-3.0-or-later
// The reader of user.db: any content gives six settings or the defaults, a
// usable port, a file only its owner reads, and what is written back reads
// as the same settings.

#include <sys/stat.h>

#include <cmath>

#include "data_file_fuzz.h"
#include "fuzz_check.h"
#include "platform/text_file.h"
#include "support/fake_host.h"
#include "transfer/local/ftp.h"
#include "transfer/local/quillmere.h"
#include "transfer/remote/connection_settings.h"

namespace {

transfer::FTP& window() {
  static testing_support::FakeHost host;
  static transfer::Quillmere program(host, "/nonexistent-assets", fuzzDataFolder(),
                                     (fuzzDataFolder() / "Downloads").string());
  return program.window;
}

struct Settings {
  std::string address, local, network, user, password;
  double port;
  bool operator==(const Settings&) const = default;
};

Settings settingsOf(const transfer::FTP& f) {
  return {f.settings.serverAddress, f.Text1.text(),      f.settings.networkFolder,
          f.settings.userName,      f.settings.password, f.settings.port};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  transfer::FTP& f = window();
  const auto file = transfer::settingsFilePath(f);
  putBytes(file, fuzzText(data, size));
  ::chmod(file.c_str(), 0644);
  const auto lines = platform::readLines(file, 6);

  transfer::loadSettings(f);
  FUZZ_CHECK(f.settings.port >= 1 && f.settings.port <= 65535 &&
             std::floor(f.settings.port) == f.settings.port);
  if (lines && lines->size() == 6) {
    FUZZ_CHECK(f.settings.serverAddress == (*lines)[0] && f.Text1.text() == (*lines)[1]);
    FUZZ_CHECK(f.settings.networkFolder == (*lines)[2] && f.settings.userName == (*lines)[3] &&
               f.settings.password == (*lines)[4]);
  } else {
    FUZZ_CHECK(f.settings.serverAddress.empty() && f.settings.userName == "anonymous" &&
               f.settings.password.empty() && f.settings.port == 21);
  }

  const Settings loaded = settingsOf(f);
  FUZZ_CHECK(transfer::saveSettings(f));
  struct stat info {};
  FUZZ_CHECK(::stat(file.c_str(), &info) == 0 && (info.st_mode & 0777) == 0600);
  transfer::loadSettings(f);
  FUZZ_CHECK(settingsOf(f) == loaded);
  return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Times Quillmere's transfers through the FTP form's own handlers, headless,
// against a running FTP server: the same clicks a person makes, with the real
// transfer control.
//
//   quillmere_transfer_bench PORT USER PASSWORD SERVER_ROOT LOCAL_FOLDER CASE RUNS
//
// CASE is one of
//   get-big DIR NAME   download DIR/NAME (browse into DIR, select, one click)
//   put-big DIR NAME   upload LOCAL_FOLDER/NAME into DIR
//   get-all DIR        download every file of DIR with one click
//   put-all DIR        upload every file of LOCAL_FOLDER into DIR
//   list DIR           the click that lists DIR into the list
// Each run starts a fresh window, so it connects and logs in anew, as the
// command-line peers do. Files a run made are removed before the next one.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "support/headless_host.h"
#include "support/timing.h"
#include "transfer/control/inet.h"
#include "transfer/local/ftp.h"
#include "transfer/local/ftp_startup.h"
#include "transfer/local/quillmere.h"
#include "transfer/remote/browse.h"

namespace {

namespace fs = std::filesystem;

struct Settings {
  int port = 0;
  std::string user;
  std::string password;
  fs::path serverRoot;
  fs::path local;
  std::string kind;
  std::string dir;
  std::string name;
  int runs = 5;
};

[[noreturn]] void fail(const std::string& why) {
  std::fprintf(stderr, "quillmere_transfer_bench: %s\n", why.c_str());
  std::exit(1);
}

class Session {
 public:
  explicit Session(const Settings& settings)
      : program(host, "/nonexistent", data_, settings.local), f(program.window) {
    fs::create_directories(data_);
    transfer::ftpLoad(f);
    host.useTimer(f.Timer1);
    f.txtURLbox.setText("127.0.0.1");
    f.settings.userName = settings.user;
    f.settings.password = settings.password;
    f.settings.port = settings.port;
    f.Text1.setText(settings.local.string());
  }
  ~Session() {
    std::error_code ignored;
    fs::remove_all(data_, ignored);
  }

  // The listing of the start folder, then of `dir` by clicking its entry.
  void browseInto(const std::string& dir) {
    f.Command4.click();
    current(dir + "/");
    f.Command4.click();
    expectNoMessage();
  }

  void current(const std::string& entry) {
    for (std::size_t i = 0; i < f.List1.items.size(); ++i) {
      if (f.List1.items[i] == entry) {
        f.List1.listIndex = static_cast<int>(i);
        return;
      }
    }
    fail(entry + " is not listed");
  }

  // Selects the named entry, or every file when `name` is empty.
  void select(const std::string& name) {
    f.List1.selected.assign(f.List1.items.size(), false);
    int chosen = 0;
    for (std::size_t i = 0; i < f.List1.items.size(); ++i) {
      const std::string& item = f.List1.items[i];
      const bool wanted = name.empty() ? !item.ends_with('/') && item != transfer::kGoUp : item == name;
      f.List1.selected[i] = wanted;
      chosen += wanted ? 1 : 0;
    }
    if (chosen == 0) fail("nothing to select");
    if (!name.empty()) current(name);
  }

  void expectNoMessage() {
    if (!host.messages.empty()) fail("the window said: " + host.messages.front());
  }
  void expectComplete() {
    if (host.messages != std::vector<std::string>{"Operation Complete."})
      fail("the window said: " + (host.messages.empty() ? std::string("nothing") : host.messages.front()));
    host.messages.clear();
  }

  bench::HeadlessHost host;
  fs::path data_ = fs::temp_directory_path() / ("quillmere-bench-" + std::to_string(::getpid()));
  transfer::Quillmere program;
  transfer::FTP& f;
};

void removeFilesIn(const fs::path& folder) {
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.is_regular_file()) fs::remove(entry.path());
  }
}

std::size_t filesIn(const fs::path& folder) {
  std::size_t count = 0;
  for (const auto& entry : fs::directory_iterator(folder))
    count += entry.is_regular_file() ? 1 : 0;
  return count;
}

double runOnce(const Settings& s) {
  Session session(s);
  auto& f = session.f;
  const fs::path remoteDir = s.serverRoot / s.dir;
  if (s.kind == "get-big" || s.kind == "get-all") {
    removeFilesIn(s.local);
    const double seconds = bench::secondsOf([&] {
      session.browseInto(s.dir);
      session.select(s.name);
      f.Command1.click();
    });
    session.expectComplete();
    if (s.kind == "get-big" && fs::file_size(s.local / s.name) != fs::file_size(remoteDir / s.name))
      fail("the downloaded file has the wrong size");
    if (s.kind == "get-all" && filesIn(s.local) != filesIn(remoteDir)) fail("not every file arrived");
    return seconds;
  }
  if (s.kind == "put-big" || s.kind == "put-all") {
    removeFilesIn(remoteDir);
    const double seconds = bench::secondsOf([&] {
      session.browseInto(s.dir);
      f.Command8.click();
      session.select(s.name);
      f.Command3.click();
    });
    session.expectComplete();
    if (s.kind == "put-big" && fs::file_size(remoteDir / s.name) != fs::file_size(s.local / s.name))
      fail("the uploaded file has the wrong size");
    if (s.kind == "put-all" && filesIn(remoteDir) != filesIn(s.local)) fail("not every file arrived");
    return seconds;
  }
  if (s.kind == "list") {
    f.Command4.click();
    session.current(s.dir + "/");
    const double seconds = bench::secondsOf([&] { f.Command4.click(); });
    session.expectNoMessage();
    // "... go up" heads the list.
    if (f.List1.items.size() != filesIn(remoteDir) + 1) fail("the list misses names");
    return seconds;
  }
  fail("unknown case " + s.kind);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() < 8) fail("usage: PORT USER PASSWORD SERVER_ROOT LOCAL_FOLDER CASE RUNS DIR [NAME]");
  Settings s;
  s.port = std::stoi(args[0]);
  s.user = args[1];
  s.password = args[2];
  s.serverRoot = args[3];
  s.local = args[4];
  s.kind = args[5];
  s.runs = std::stoi(args[6]);
  s.dir = args[7];
  if (args.size() > 8) s.name = args[8];

  std::vector<double> times;
  for (int run = 0; run < s.runs; ++run) {
    times.push_back(runOnce(s));
    std::fprintf(stderr, "  run %d: %.4f s\n", run + 1, times.back());
  }
  bench::report("quillmere." + s.kind, bench::median(times), "s");
  return 0;
}

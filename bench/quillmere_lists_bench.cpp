// SPDX-License-Identifier: GPL-3.0-or-later
// Times the FTP form's list handlers, headless:
//   local   "Local Directory of Files" on FOLDER
//   filter  "Apply Filter" (extension txt) on lists of 10,000, 100,000 and 1,000,000 names
//   save    "Save Directory List to File" of 100,000 names into FOLDER
//
//   quillmere_lists_bench FOLDER CASE RUNS

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/headless_host.h"
#include "support/timing.h"
#include "transfer/local/ftp.h"
#include "transfer/local/ftp_startup.h"
#include "transfer/local/quillmere.h"

namespace {

namespace fs = std::filesystem;

[[noreturn]] void fail(const std::string& why) {
  std::fprintf(stderr, "quillmere_lists_bench: %s\n", why.c_str());
  std::exit(1);
}

// Names as a download folder holds them: a fifth of them end in .txt.
std::vector<std::string> names(std::size_t count) {
  static const char* const kExtensions[] = {"txt", "jpg", "pdf", "tar.gz", "html"};
  std::vector<std::string> made;
  made.reserve(count);
  for (std::size_t i = 0; i < count; ++i)
    made.push_back("file_" + std::to_string(i) + "." + kExtensions[i % 5]);
  return made;
}

void fill(transfer::FTP& f, const std::vector<std::string>& entries) {
  f.List1.items = entries;
  f.List1.selected.assign(entries.size(), false);
  f.List1.listIndex = -1;
}

std::size_t filesIn(const fs::path& folder) {
  std::size_t count = 0;
  for (const auto& entry : fs::directory_iterator(folder))
    count += entry.is_regular_file() && !entry.path().filename().string().starts_with('.') ? 1 : 0;
  return count;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) fail("usage: FOLDER CASE RUNS");
  const fs::path folder = argv[1];
  const std::string kind = argv[2];
  const int runs = std::atoi(argv[3]);
  const fs::path data = fs::temp_directory_path() / ("quillmere-lists-bench-" + std::to_string(::getpid()));
  fs::create_directories(data);
  {
    bench::HeadlessHost host;
    transfer::Quillmere program(host, "/nonexistent", data, folder);
    transfer::FTP& f = program.window;
    transfer::ftpLoad(f);
    f.Text1.setText(folder.string());

    if (kind == "local") {
      const std::size_t expected = filesIn(folder);
      std::vector<double> times;
      for (int run = 0; run < runs; ++run) {
        times.push_back(bench::secondsOf([&] { f.Command8.click(); }));
        if (f.List1.items.size() != expected) fail("the list misses names");
      }
      bench::report("quillmere.local_list", bench::median(times), "s");
    } else if (kind == "filter") {
      for (const std::size_t count : {10000UL, 100000UL, 1000000UL}) {
        const std::vector<std::string> entries = names(count);
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
          fill(f, entries);
          f.Combo1.setText("txt");
          times.push_back(bench::secondsOf([&] { f.Command2.click(); }));
          if (f.List1.items.size() != count / 5) fail("the filter kept the wrong names");
        }
        bench::report("quillmere.filter_" + std::to_string(count), bench::median(times), "s");
      }
    } else if (kind == "save") {
      const std::vector<std::string> entries = names(100000);
      std::vector<double> times;
      for (int run = 0; run < runs; ++run) {
        for (const auto& entry : fs::directory_iterator(folder)) {
          if (entry.path().filename().string().starts_with("DirList_")) fs::remove(entry.path());
        }
        fill(f, entries);
        times.push_back(bench::secondsOf([&] { f.mnuItemSaveList.click(); }));
        if (host.messages.empty() || !host.messages.back().starts_with("List Saved to"))
          fail("the window said: " + (host.messages.empty() ? std::string("nothing") : host.messages.back()));
      }
      bench::report("quillmere.save_list", bench::median(times), "s");
    } else {
      fail("unknown case " + kind);
    }
  }
  fs::remove_all(data);
  return 0;
}

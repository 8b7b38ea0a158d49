// SPDX-License-Identifier: GPL-3.0-or-later
// Kills the writer of a data file (SIGKILL) at random moments and reads the
// file back after each kill with the program's own reader: it must hold the
// version that stood before the round or one the writer finished in it, never
// a cut or mixed file. user.db must be readable by its owner only after every
// write, also when it stood with wider permissions before.
//   crash_safety user.dat|statistics.dat|user.db|filters.db <rounds> <writer program> [folder]
// Prints: rounds, kills that left a write unfinished, old and new versions
// found, and failures; exits non-zero on any failure.

#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "data_file_versions.h"
#include "support/temp_folder.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

pid_t startWriter(const std::string& program, const std::string& file, const fs::path& folder, long first,
                  bool once) {
  std::vector<std::string> args = {program, file, folder.string(), std::to_string(first)};
  if (once) args.emplace_back("once");
  std::vector<char*> argv;
  for (std::string& arg : args)
    argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
  return pid;
}

unsigned modeOf(const fs::path& file) {
  struct stat info {};
  return ::stat(file.c_str(), &info) == 0 ? (info.st_mode & 0777) : 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(
        stderr,
        "usage: crash_safety user.dat|statistics.dat|user.db|filters.db <rounds> <writer> [folder]\n");
    return 2;
  }
  const std::string name = argv[1];
  const reliability::DataFile* file = reliability::findDataFile(name);
  const long rounds = std::stol(argv[2]);
  const std::string writer = argv[3];
  const fs::path folder = argc > 4 ? fs::path(argv[4]) : testing_support::freshTempFolder("crash-safety");
  if (!file || rounds <= 0) return 2;
  fs::create_directories(folder);
  const fs::path path = folder / name;
  const bool ownerOnly = name == "user.db";

  // The first version, written whole before any kill.
  int status = 0;
  const pid_t first = startWriter(writer, name, folder, 1, true);
  if (first < 0 || ::waitpid(first, &status, 0) != first || status != 0) {
    std::fprintf(stderr, "the writer did not write the first version\n");
    return 1;
  }

  std::mt19937 random(std::random_device{}());
  // Up to 40 ms: the writer's start, then a few dozen saves.
  std::uniform_int_distribution<int> delayMicroseconds(0, 40000);
  long unfinished = 0, oldFound = 0, newFound = 0, failures = 0;
  long before = 1;
  for (long round = 0; round < rounds; ++round) {
    if (ownerOnly) ::chmod(path.c_str(), 0666);
    const long firstNew = (round + 1) * 1000000;
    const pid_t pid = startWriter(writer, name, folder, firstNew, false);
    if (pid < 0) {
      std::fprintf(stderr, "cannot start the writer\n");
      return 1;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
    if (!WIFSIGNALED(status)) {
      std::fprintf(stderr, "round %ld: the writer ended by itself (status %d)\n", round, status);
      ++failures;
    }
    fs::path leftover = path;
    leftover += ".new";
    unfinished += fs::exists(leftover);

    const unsigned mode = modeOf(path);
    const std::optional<long> found = file->load(folder);
    if (found && *found == before) {
      ++oldFound;
    } else if (found && *found >= firstNew) {
      ++newFound;
      before = *found;
      if (ownerOnly && mode != 0600) {
        std::fprintf(stderr, "round %ld: written with mode %o\n", round, mode);
        ++failures;
      }
    } else {
      std::fprintf(stderr, "round %ld: the file holds neither the old nor a new version\n", round);
      ++failures;
      // Start the next round from a whole file again.
      const pid_t again = startWriter(writer, name, folder, before, true);
      ::waitpid(again, &status, 0);
    }
  }
  std::printf("%s: %ld kills, %ld during a write, old version %ld, new version %ld, failures %ld\n",
              name.c_str(), rounds, unfinished, oldFound, newFound, failures);
  if (argc <= 4) fs::remove_all(folder);
  return failures == 0 ? 0 : 1;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer window against servers that lie, stall, break off or refuse,
// and a local disk that fills. For each: what the user is told, that nothing
// lands outside the local folder, that no cut file stands where a good one
// was, and that the click ends within its bound (a hang guard, not a speed
// figure). With RELIABILITY_ROWS set, as scripts/reliability.sh runs them,
// each prints a row "| scenario | result | seconds |" for the report.

#include <sys/resource.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "remote_fixture.h"
#include "support/row_name.h"
#include "transfer/remote/remote_name.h"

namespace transfer::testing {
namespace {

using Names = std::vector<std::string>;
using Clock = std::chrono::steady_clock;
using platform::MessageAnswer;

std::string oneLine(const Names& messages) {
  std::string text;
  for (const std::string& message : messages) {
    std::string shown = message.substr(0, 160);
    for (char& c : shown)
      if (c == '\n') c = '/';
    text += (text.empty() ? "" : " + ") + ("\"" + shown + "\"");
  }
  return text.empty() ? "no message" : text;
}

class HostileServerTest : public RemoteFtpTest {
 protected:
  ~HostileServerTest() override { ::unsetenv("HOSTILE_FTP_MODE"); }

  // The mode reaches the server through its environment.
  void startHostile(const std::string& mode, std::chrono::seconds stall = std::chrono::seconds(5)) {
    ::setenv("HOSTILE_FTP_MODE", mode.c_str(), 1);
    startServer();
    f.Inet1->setTimeouts(std::chrono::seconds(5), stall);
  }

  // Clicks and returns how long the click took.
  double timed(Control& button) {
    const auto start = Clock::now();
    button.click();
    return std::chrono::duration<double>(Clock::now() - start).count();
  }

  void row(const std::string& scenario, const std::string& result, double seconds) {
    if (!std::getenv("RELIABILITY_ROWS")) return;
    std::printf("| %s | %s | %.1f s |\n", scenario.c_str(), result.c_str(), seconds);
    std::fflush(stdout);
  }

  // The names beside the local folder: only the test's own.
  void expectNothingOutsideTheLocalFolder() {
    EXPECT_EQ(namesIn(root_), (Names{"data/", "local files/", "server/"}));
  }

  void selectAll() { f.List1.selected.assign(f.List1.items.size(), true); }
};

TEST_F(HostileServerTest, NamesThatEscapeOrHoldLineEndsNeverReachTheListOrThePaths) {
  write(server_ / "ok.txt", "ok");
  startHostile("names");
  const double listing = timed(f.Command4);
  for (const std::string& name : f.List1.items) {
    EXPECT_TRUE(isSafeRemoteName(name)) << name;
  }
  // libcurl reads a listing as text, where a lone CR is a line end too: "cr\rname"
  // and "lf\nname" each read as two lines, the first a name the server may have.
  EXPECT_EQ(listedNames(), (Names{"cr", "lf", "ok.txt"}));
  selectAll();
  const double download = timed(f.Command1);
  EXPECT_EQ(filesBelow(local_), (Files{{"ok.txt", "ok"}}));
  expectNothingOutsideTheLocalFolder();
  row("listing with ../x, /etc/passwd, a/b, .., CR, LF, NUL in names", "listed: " + oneLine(listedNames()),
      listing);
  row("download of all listed", oneLine(host.messages), download);
}

TEST_F(HostileServerTest, ATenMegabyteLineEndsTheClickWithinItsBound) {
  startHostile("long-line");
  const double seconds = timed(f.Command4);
  EXPECT_LT(seconds, 20);
  EXPECT_TRUE(f.List1.items.empty()) << f.List1.items.front().size() << " characters";
  EXPECT_TRUE(host.messages.empty());
  row("one MLSD line of 10 MB",
      oneLine(host.messages) + ", " + std::to_string(f.List1.listCount()) + " names", seconds);
}

TEST_F(HostileServerTest, AMillionEntriesAreListed) {
  startHostile("million");
  const double seconds = timed(f.Command4);
  EXPECT_LT(seconds, 60);
  EXPECT_EQ(f.List1.listCount(), 1000000);
  EXPECT_TRUE(host.messages.empty()) << host.messages.front();
  row("MLSD listing of 1,000,000 files", std::to_string(f.List1.listCount()) + " names listed", seconds);
}

enum class Fault { Stall, Drop, Refuse, DiskFull };

struct DownloadCase {
  std::string name;
  Fault fault;
  std::string mode;
  Names messages;
  double bound;  // seconds
};

void PrintTo(const DownloadCase& c, std::ostream* os) {
  *os << c.name;
}

class HostileDownloadTest : public HostileServerTest, public ::testing::WithParamInterface<DownloadCase> {};

TEST_P(HostileDownloadTest, KeepsTheOldFileAndEndsWithinItsBound) {
  const DownloadCase& c = GetParam();
  write(server_ / "big.bin", binary(1 << 20));
  write(local_ / "big.bin", "older copy");
  startHostile(c.mode, std::chrono::seconds(2));
  f.Command4.click();
  select({"big.bin"});

  rlimit saved{};
  if (c.fault == Fault::DiskFull) {
    // The disk takes 64 KB more, then writes fail; the signal would end the test.
    std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 64 * 1024;
    ::setrlimit(RLIMIT_FSIZE, &small);
  }
  const double seconds = timed(f.Command1);
  if (c.fault == Fault::DiskFull) ::setrlimit(RLIMIT_FSIZE, &saved);

  EXPECT_EQ(host.messages, c.messages);
  EXPECT_EQ(filesBelow(local_), (Files{{"big.bin", "older copy"}})) << "no cut file, no partial file";
  expectNothingOutsideTheLocalFolder();
  EXPECT_LT(seconds, c.bound);
  row(c.name, oneLine(host.messages), seconds);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, HostileDownloadTest,
    ::testing::Values(
        DownloadCase{
            "ServerStallsMidFile",
            Fault::Stall,
            "stall",
            {"0 of 1 files were copied.\nThese files were not copied:\nbig.bin: the server stopped sending"},
            20},
        DownloadCase{"ServerDropsTheConnectionMidFile",
                     Fault::Drop,
                     "drop",
                     {"35754",
                      "0 of 1 files were copied.\nThese files were not copied:\n"
                      "big.bin: the host does not answer"},
                     10},
        DownloadCase{
            "ServerAnswers550",
            Fault::Refuse,
            "refuse",
            {"0 of 1 files were copied.\n"
             "These files were not copied:\nbig.bin: the file does not exist, or permission was denied"},
            10},
        DownloadCase{"LocalDiskFillsDuringTheDownload",
                     Fault::DiskFull,
                     "",
                     {"0 of 1 files were copied.\n"
                      "These files were not copied:\nbig.bin: the local file cannot be read or written"},
                     10}),
    testing_support::RowName());

TEST_F(HostileServerTest, AnUploadRefusedForAFullDiskLeavesTheServersCopy) {
  write(server_ / "up.txt", "server copy");
  write(local_ / "up.txt", "new local text");
  startHostile("refuse");
  f.Command4.click();
  f.Command8.click();  // the local list
  select({"up.txt"});
  const double seconds = timed(f.Command3);
  EXPECT_EQ(host.messages, (Names{"0 of 1 files were copied.\n"
                                  "These files were not copied:\nup.txt: the server's disk is full"}));
  EXPECT_EQ(read(server_ / "up.txt"), "server copy");
  EXPECT_EQ(filesBelow(local_), (Files{{"up.txt", "new local text"}}));
  EXPECT_LT(seconds, 10);
  row("upload answered 452 (disk full)", oneLine(host.messages), seconds);
}

TEST_F(HostileServerTest, AServerThatNeverGreetsEndsTheClickWithinItsBound) {
  startHostile("");
  transfer_testing::LoopbackPort silent(true);
  f.settings.port = silent.port();
  f.Inet1->setTimeouts(std::chrono::seconds(2), std::chrono::seconds(2));
  host.answers = {MessageAnswer::Cancel};
  const double seconds = timed(f.Command4);
  EXPECT_EQ(host.messages,
            (Names{"Continue?", "The remote directory could not be listed: the server stopped answering."}));
  EXPECT_LT(seconds, 10);
  row("server never sends its greeting (Cancel at the question)", oneLine(host.messages), seconds);
}

TEST_F(HostileServerTest, APassiveReplyNamingAnotherHostIsNotFollowed) {
  write(server_ / "a.txt", "from 127.0.0.1");
  startHostile("foreign-pasv");
  f.Command4.click();
  select({"a.txt"});
  const double seconds = timed(f.Command1);
  EXPECT_EQ(host.messages, Names{"Operation Complete."});
  EXPECT_EQ(filesBelow(local_), (Files{{"a.txt", "from 127.0.0.1"}}));
  EXPECT_LT(seconds, 10);
  row("PASV reply names 10.255.255.1", oneLine(host.messages) + ", data from the control connection's host",
      seconds);
}

}  // namespace
}  // namespace transfer::testing

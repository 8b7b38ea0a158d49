// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/control/inet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "support/row_name.h"
#include "support/temp_folder.h"
#include "transfer/ftp_test_server.h"

namespace transfer {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using transfer_testing::FtpServerOptions;
using transfer_testing::FtpTestServer;
using transfer_testing::LoopbackPort;

// Bound for anything a test awaits; far above every time-out the tests set.
constexpr auto kWait = 30s;
// A destroyed control must not sit out the default 15 s and 30 s time-outs.
constexpr auto kPrompt = 10s;

std::string bytesOf(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// Every byte value, so a text-mode transfer or a stray conversion shows.
std::string binarySample(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i)
    bytes[i] = static_cast<char>((i * 7 + i / 256) % 256);
  return bytes;
}

// The listing's lines, sorted since servers list in no fixed order.
std::vector<std::string> sortedLines(const std::string& listing) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  for (std::size_t end = listing.find("\r\n"); end != std::string::npos; end = listing.find("\r\n", at)) {
    lines.push_back(listing.substr(at, end - at));
    at = end + 2;
  }
  EXPECT_EQ(at, listing.size()) << "the last line is not ended by CR LF";
  std::sort(lines.begin(), lines.end());
  return lines;
}

class RemoteInetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(root_ / "sub" / "deeper");
    fs::create_directories(root_ / "my docs");
    fs::create_directories(local_);
    writeBytes(root_ / "a.txt", "alpha\r\n");
    writeBytes(root_ / "empty.txt", "");
    writeBytes(root_ / "with blank.bin", binarySample(300));
    writeBytes(root_ / "sub" / "inner.txt", "inner");
    writeBytes(root_ / "my docs" / "note.txt", "note");
  }

  void TearDown() override {
    inet_.reset();
    server_.reset();
    fs::remove_all(base_);
  }

  void startServer(const FtpServerOptions& options = {}) {
    server_ = std::make_unique<FtpTestServer>(root_, base_ / "events.log", options);
    inet().RemotePort = server_->port();
  }

  // Posting runs the callable at once on the worker; the test awaits the states.
  Inet& inet() {
    if (!inet_) {
      inet_ = std::make_unique<Inet>([](std::function<void()> callable) { callable(); });
      inet_->StateChanged = [this](int state) {
        std::lock_guard lock(mutex_);
        states_.push_back(state);
        stateChanged_.notify_all();
      };
    }
    return *inet_;
  }

  static std::string url(const std::string& credentials = std::string(FtpTestServer::kUser) + ":" +
                                                          FtpTestServer::kPassword) {
    return "ftp://" + credentials + "@127.0.0.1";
  }

  int awaitState() {
    std::unique_lock lock(mutex_);
    if (!stateChanged_.wait_for(lock, kWait, [&] { return !states_.empty(); })) {
      ADD_FAILURE() << "the request did not end within " << kWait.count() << " s";
      return -1;
    }
    const int state = states_.front();
    states_.pop_front();
    return state;
  }

  int postedStates() {
    std::lock_guard lock(mutex_);
    return static_cast<int>(states_.size());
  }

  int run(const std::string& operation, const std::string& address = url()) {
    inet().Execute(address, operation);
    return awaitState();
  }

  std::string readListing() {
    std::string listing;
    for (int chunks = 0; chunks < 100000; ++chunks) {
      const std::string chunk = inet().GetChunk(7, 0);
      if (chunk.empty()) return listing;
      listing += chunk;
    }
    ADD_FAILURE() << "GetChunk never ran dry";
    return listing;
  }

  std::vector<std::string> localFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(local_))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  std::string local(const std::string& name) const { return (local_ / name).string(); }

  int expectRaised(const std::function<void()>& call) {
    try {
      call();
    } catch (const TransferError& error) {
      EXPECT_EQ(std::string(error.what()).find(FtpTestServer::kPassword), std::string::npos) << error.what();
      return error.number;
    }
    return 0;
  }

  const fs::path base_ = testing_support::freshTempFolder("remote-inet");
  const fs::path root_ = base_ / "root";
  const fs::path local_ = base_ / "my files";  // a blank, as in many real download folders
  std::unique_ptr<FtpTestServer> server_;
  std::mutex mutex_;
  std::condition_variable stateChanged_;
  std::deque<int> states_;
  std::unique_ptr<Inet> inet_;
};

struct DirCase {
  std::string name;
  bool mlsd;
};

void PrintTo(const DirCase& row, std::ostream* out) {
  *out << row.name;
}

class RemoteDirTest : public RemoteInetTest, public ::testing::WithParamInterface<DirCase> {};

TEST_P(RemoteDirTest, ListsNamesWithFoldersMarked) {
  startServer({.mlsd = GetParam().mlsd});

  ASSERT_EQ(run("DIR"), kStateResponseCompleted);
  EXPECT_EQ(sortedLines(readListing()),
            (std::vector<std::string>{"a.txt", "empty.txt", "my docs/", "sub/", "with blank.bin"}));
  EXPECT_EQ(inet().GetChunk(100, 0), "");

  ASSERT_EQ(run("DIR /sub/"), kStateResponseCompleted);
  EXPECT_EQ(sortedLines(readListing()), (std::vector<std::string>{"deeper/", "inner.txt"}));

  ASSERT_EQ(run("DIR /my docs/"), kStateResponseCompleted);
  EXPECT_EQ(readListing(), "note.txt\r\n");

  ASSERT_EQ(run("DIR /sub/deeper/"), kStateResponseCompleted);
  EXPECT_EQ(readListing(), "");
}

INSTANTIATE_TEST_SUITE_P(Servers, RemoteDirTest,
                         ::testing::Values(DirCase{"Mlsd", true}, DirCase{"ListOnly", false}),
                         testing_support::RowName());

struct LinkCase {
  std::string name;
  FtpServerOptions server;
  std::vector<std::string> listed;  // of /links/
  std::string pathOfUp;             // the server's path for /links/up/
};

void PrintTo(const LinkCase& row, std::ostream* out) {
  *out << row.name;
}

class RemoteLinkTest : public RemoteInetTest, public ::testing::WithParamInterface<LinkCase> {};

// A link is a folder when the server lets the control change into it, told
// or not by the listing; the server's path after a listing tells where it led.
TEST_P(RemoteLinkTest, ListsLinksToFoldersAsFoldersAndTellsTheServerPath) {
  fs::create_directories(root_ / "links");
  fs::create_directory_symlink("../sub", root_ / "links" / "link-dir");
  fs::create_symlink("../a.txt", root_ / "links" / "link-file");
  fs::create_symlink("nowhere", root_ / "links" / "gone");
  fs::create_directory_symlink(".", root_ / "links" / "up");
  startServer(GetParam().server);

  ASSERT_EQ(run("DIR /links/"), kStateResponseCompleted);
  EXPECT_EQ(sortedLines(readListing()), GetParam().listed);
  EXPECT_EQ(inet().ServerPath(), "/links");

  ASSERT_EQ(run("DIR /links/link-dir/"), kStateResponseCompleted);
  EXPECT_EQ(sortedLines(readListing()), (std::vector<std::string>{"deeper/", "inner.txt"}));
  ASSERT_EQ(run("DIR /links/up/"), kStateResponseCompleted);
  EXPECT_EQ(inet().ServerPath(), GetParam().pathOfUp);

  ASSERT_EQ(run("GET /links/link-file " + local("a.txt")), kStateResponseCompleted);
  EXPECT_EQ(bytesOf(local_ / "a.txt"), "alpha\r\n");
  ASSERT_EQ(run("GET /links/gone " + local("gone")), kStateError);
  EXPECT_EQ(expectRaised([&] { inet().GetChunk(1, 0); }), kRequestFailed);
}

const std::vector<std::string> kEveryLink = {"gone", "link-dir/", "link-file", "up/"};

INSTANTIATE_TEST_SUITE_P(
    Servers, RemoteLinkTest,
    ::testing::Values(LinkCase{"ListOnly", {.mlsd = false}, kEveryLink, "/links/up"},
                      LinkCase{"MlsdTellingLinks", {.mlsdLinks = true}, kEveryLink, "/links/up"},
                      // pyftpdlib's own MLSD follows links and leaves out a dangling one.
                      LinkCase{"MlsdFollowingLinks", {}, {"link-dir/", "link-file", "up/"}, "/links/up"},
                      LinkCase{
                          "ResolvingServer", {.mlsd = false, .resolveLinks = true}, kEveryLink, "/links"}),
    testing_support::RowName());

TEST_F(RemoteInetTest, APortTypedInTheAddressWinsOverThePortSetting) {
  startServer();
  const LoopbackPort closed(false);
  inet().RemotePort = closed.port();
  ASSERT_EQ(run("DIR /my docs/", url() + ":" + std::to_string(server_->port())), kStateResponseCompleted);
  EXPECT_EQ(readListing(), "note.txt\r\n");
}

TEST_F(RemoteInetTest, GetCopiesTheExactBytesAndReplacesAnOldFile) {
  writeBytes(root_ / "sub" / "data.bin", binarySample(70000));
  writeBytes(local_ / "data.bin", "old content");
  startServer();

  ASSERT_EQ(run("GET /sub/data.bin " + local("data.bin")), kStateResponseCompleted);
  EXPECT_EQ(bytesOf(local_ / "data.bin"), binarySample(70000));
  EXPECT_EQ(inet().BytesTransferred(), 70000);
  EXPECT_EQ(inet().BytesToTransfer(), 70000);

  ASSERT_EQ(run("GET empty.txt " + local("empty.txt")), kStateResponseCompleted);
  EXPECT_TRUE(fs::is_regular_file(local_ / "empty.txt"));
  EXPECT_EQ(bytesOf(local_ / "empty.txt"), "");

  EXPECT_EQ(localFiles(), (std::vector<std::string>{"data.bin", "empty.txt"})) << "temporary files left";
  EXPECT_EQ(inet().GetChunk(100, 0), "");
}

TEST_F(RemoteInetTest, PutUploadsTheExactBytes) {
  writeBytes(local_ / "up.bin", binarySample(50000));
  startServer();

  ASSERT_EQ(run("PUT " + local("up.bin") + " /sub/up.bin"), kStateResponseCompleted);
  EXPECT_EQ(bytesOf(root_ / "sub" / "up.bin"), binarySample(50000));
  EXPECT_EQ(inet().BytesTransferred(), 50000);
  EXPECT_EQ(inet().BytesToTransfer(), 50000);

  ASSERT_EQ(run("PUT " + local("up.bin") + " copy.bin"), kStateResponseCompleted);
  EXPECT_EQ(bytesOf(root_ / "copy.bin"), binarySample(50000));
}

TEST_F(RemoteInetTest, RequestsShareOneConnectionUntilQuit) {
  startServer();
  ASSERT_EQ(run("DIR"), kStateResponseCompleted);
  ASSERT_EQ(run("DIR /sub/", ""), kStateResponseCompleted) << "an empty URL means the last one";
  ASSERT_EQ(run("GET a.txt " + local("a.txt")), kStateResponseCompleted);
  ASSERT_EQ(run("PUT " + local("a.txt") + " /sub/a.txt"), kStateResponseCompleted);
  EXPECT_EQ(server_->events(), std::vector<std::string>{"connect"});

  EXPECT_NO_THROW(inet().Execute("", "QUIT"));
  ASSERT_EQ(run("DIR"), kStateResponseCompleted);
  EXPECT_EQ(server_->events(), (std::vector<std::string>{"connect", "quit", "connect"}));
}

TEST_F(RemoteInetTest, BusyWhileATransferRunsAndDestructionCancelsIt) {
  writeBytes(root_ / "big.bin", binarySample(200000));
  startServer({.stallAfterBytes = 100000});

  inet().Execute(url(), "GET big.bin " + local("big.bin"));
  ASSERT_TRUE(server_->awaitOutput("stalled", kWait));
  EXPECT_TRUE(inet().StillExecuting());
  EXPECT_EQ(expectRaised([&] { inet().Execute(url(), "DIR"); }), kStillExecuting);
  EXPECT_EQ(expectRaised([&] { inet().GetChunk(100, 0); }), kStillExecuting);
  EXPECT_TRUE(inet().StillExecuting());

  const auto start = std::chrono::steady_clock::now();
  inet_.reset();
  EXPECT_LT(std::chrono::steady_clock::now() - start, kPrompt);
  EXPECT_EQ(localFiles(), std::vector<std::string>{}) << "a cancelled download left a file";
}

TEST_F(RemoteInetTest, DestructionDoesNotWaitForASilentServer) {
  const LoopbackPort silent(true);
  inet().RemotePort = silent.port();
  inet().Execute(url(), "DIR");
  ASSERT_TRUE(silent.awaitConnection(kWait));

  const auto start = std::chrono::steady_clock::now();
  inet_.reset();
  EXPECT_LT(std::chrono::steady_clock::now() - start, kPrompt);
}

TEST_F(RemoteInetTest, FailureIsRaisedOnceByTheNextExecute) {
  const LoopbackPort closed(false);
  inet().RemotePort = closed.port();
  ASSERT_EQ(run("DIR"), kStateError);
  EXPECT_FALSE(inet().StillExecuting());

  EXPECT_EQ(expectRaised([&] { inet().Execute(url(), "DIR"); }), kCannotConnect);
  EXPECT_FALSE(inet().StillExecuting()) << "the call that raised must start nothing";
  EXPECT_EQ(expectRaised([&] { inet().Execute(url(), "DIR"); }), 0);
  EXPECT_EQ(awaitState(), kStateError);
}

TEST_F(RemoteInetTest, QuitNeverRaisesAndForgetsAFailure) {
  EXPECT_NO_THROW(inet().Execute("", "QUIT")) << "before any connection";

  const LoopbackPort closed(false);
  inet().RemotePort = closed.port();
  ASSERT_EQ(run("DIR"), kStateError);
  EXPECT_NO_THROW(inet().Execute("", "QUIT"));
  EXPECT_EQ(inet().GetChunk(100, 0), "");

  const LoopbackPort silent(true);
  inet().RemotePort = silent.port();
  inet().Execute(url(), "DIR");
  EXPECT_NO_THROW(inet().Execute("", "QUIT")) << "while a request runs";
  EXPECT_TRUE(inet().StillExecuting());
}

enum class Target { Server, ClosedPort, SilentServer };

// "{local}" stands for the local folder, which holds "old.bin" beforehand.
struct FailureCase {
  std::string name;
  Target target;
  std::string credentials;
  std::string operation;
  int expected;
  FtpServerOptions server = {};
};

void PrintTo(const FailureCase& row, std::ostream* out) {
  *out << row.name << ": " << row.operation;
}

const std::string kGoodLogin = std::string(FtpTestServer::kUser) + ":" + FtpTestServer::kPassword;

class RemoteFailureTest : public RemoteInetTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(RemoteFailureTest, RaisesTheErrorOnceAndKeepsLocalFilesAsTheyWere) {
  const FailureCase& row = GetParam();
  writeBytes(root_ / "big.bin", binarySample(200000));
  writeBytes(local_ / "old.bin", "old content");
  std::unique_ptr<LoopbackPort> port;
  if (row.target == Target::Server) {
    startServer(row.server);
  } else {
    port = std::make_unique<LoopbackPort>(row.target == Target::SilentServer);
    inet().RemotePort = port->port();
  }
  inet().setTimeouts(2s, 2s);

  std::string operation = row.operation;
  if (const std::size_t at = operation.find("{local}"); at != std::string::npos)
    operation.replace(at, 7, local_.string());
  ASSERT_EQ(run(operation, url(row.credentials)), kStateError);
  EXPECT_FALSE(inet().StillExecuting());

  try {
    inet().GetChunk(100, 0);
    ADD_FAILURE() << "no error raised";
  } catch (const TransferError& error) {
    EXPECT_EQ(error.number, row.expected) << error.what();
    const std::string description = error.what();
    EXPECT_EQ(description.find(row.credentials.substr(row.credentials.find(':') + 1)), std::string::npos)
        << "the password shows in: " << description;
  }
  EXPECT_EQ(inet().GetChunk(100, 0), "") << "raised a second time";
  EXPECT_EQ(localFiles(), std::vector<std::string>{"old.bin"});
  EXPECT_EQ(bytesOf(local_ / "old.bin"), "old content");
}

INSTANTIATE_TEST_SUITE_P(
    Failures, RemoteFailureTest,
    ::testing::Values(FailureCase{"ClosedPort", Target::ClosedPort, kGoodLogin, "DIR", kCannotConnect},
                      FailureCase{"WrongPassword", Target::Server, "tester:wr@ng:pw", "DIR", kCannotConnect},
                      FailureCase{"UnknownUser", Target::Server, "nobody:p@ss:word", "DIR", kCannotConnect},
                      FailureCase{"SilentServer", Target::SilentServer, kGoodLogin, "DIR", kTimedOut},
                      FailureCase{"DownloadStallsMidway",
                                  Target::Server,
                                  kGoodLogin,
                                  "GET big.bin {local}/old.bin",
                                  kTimedOut,
                                  {.stallAfterBytes = 100000}},
                      FailureCase{"MissingRemoteFile", Target::Server, kGoodLogin,
                                  "GET /sub/missing.bin {local}/old.bin", kRequestFailed},
                      FailureCase{"MissingRemoteFolder", Target::Server, kGoodLogin, "DIR /nowhere/",
                                  kRequestFailed},
                      FailureCase{"MissingLocalFile", Target::Server, kGoodLogin,
                                  "PUT {local}/absent.bin /absent.bin", kLocalFileFailed},
                      FailureCase{"MissingLocalFolder", Target::Server, kGoodLogin,
                                  "GET a.txt {local}/absent/a.txt", kLocalFileFailed}),
    testing_support::RowName());

struct RejectCase {
  std::string name;
  std::string url;
  std::string operation;
  int protocol;
  int expected;
};

void PrintTo(const RejectCase& row, std::ostream* out) {
  *out << row.name << ": " << row.operation;
}

class RemoteRejectTest : public RemoteInetTest, public ::testing::WithParamInterface<RejectCase> {};

TEST_P(RemoteRejectTest, RaisesAtOnceAndStartsNothing) {
  const RejectCase& row = GetParam();
  inet().Protocol = row.protocol;
  EXPECT_EQ(expectRaised([&] { inet().Execute(row.url, row.operation); }), row.expected);
  EXPECT_FALSE(inet().StillExecuting());
  EXPECT_EQ(inet().GetChunk(100, 0), "");
  EXPECT_EQ(postedStates(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Requests, RemoteRejectTest,
    ::testing::Values(RejectCase{"NoHost", "ftp://", "DIR", 2, kBadUrl},
                      RejectCase{"OtherScheme", "http://127.0.0.1", "DIR", 2, kBadUrl},
                      RejectCase{"PortNotANumber", "ftp://127.0.0.1:x", "DIR", 2, kBadUrl},
                      RejectCase{"NoUrlYet", "", "DIR", 2, kBadUrl},
                      RejectCase{"BadUrlWithPassword", "ftp://tester:p@ss:word@bad host", "DIR", 2, kBadUrl},
                      RejectCase{"UnknownOperation", "ftp://127.0.0.1", "DELETE x.zip", 2, kBadRequest},
                      RejectCase{"NoFileName", "ftp://127.0.0.1", "GET /pub/ /tmp/x.zip", 2, kBadRequest},
                      RejectCase{"OtherProtocol", "ftp://127.0.0.1", "DIR", 1, kBadRequest}),
    testing_support::RowName());

}  // namespace
}  // namespace transfer

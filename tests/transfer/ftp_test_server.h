// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Servers for the transfer control's integration tests, all on 127.0.0.1 at
// free ports: the pyftpdlib script, a listener that never answers, and a port
// that refuses connections.

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace transfer_testing {

struct FtpServerOptions {
  bool mlsd = true;
  long stallAfterBytes = 0;   // downloads stop sending after this many bytes
  bool logTransfers = false;  // events() also holds "size NAME", "retr NAME" and "stor NAME"
  bool extraListing = false;  // a folder's .extra-listing lines join its MLSD listing
  int exitAtRetr = 0;         // the server ends when this RETR (counted from 1) arrives
  long pauseAfterBytes = 0;   // a data connection stops for 0.3 s once this many bytes moved
  bool logLogins = false;     // events() also holds "auth" and "user"
  std::string tls{};          // "offered", "required" or "implicit"
  std::string certificate{};  // the server's PEM file, made self-signed when missing
  bool mlsdLinks = false;     // MLSD tells links as "type=OS.unix=slink:TARGET", unfollowed
  bool resolveLinks = false;  // CWD resolves links, so PWD names where a link leads
};

class FtpTestServer {
 public:
  static constexpr const char* kUser = "tester";
  static constexpr const char* kPassword = "p@ss:word";

  FtpTestServer(const std::filesystem::path& root, const std::filesystem::path& eventLog,
                const FtpServerOptions& options = {})
      : eventLog_(eventLog) {
    std::vector<std::string> args = {"/usr/bin/python3",
                                     FTP_TEST_SERVER_SCRIPT,
                                     "--root",
                                     root.string(),
                                     "--user",
                                     kUser,
                                     "--password",
                                     kPassword,
                                     "--log",
                                     eventLog.string()};
    if (!options.mlsd) args.push_back("--no-mlsd");
    if (options.logTransfers) args.push_back("--log-transfers");
    if (options.extraListing) args.push_back("--extra-listing");
    if (options.logLogins) args.push_back("--log-logins");
    if (!options.tls.empty()) {
      args.insert(args.end(), {"--tls", options.tls, "--cert", options.certificate});
    }
    if (options.mlsdLinks) args.push_back("--mlsd-links");
    if (options.resolveLinks) args.push_back("--resolve-links");
    if (options.pauseAfterBytes > 0) {
      args.push_back("--pause-after");
      args.push_back(std::to_string(options.pauseAfterBytes));
    }
    if (options.exitAtRetr > 0) {
      args.push_back("--exit-at-retr");
      args.push_back(std::to_string(options.exitAtRetr));
    }
    if (options.stallAfterBytes > 0) {
      args.push_back("--stall-after");
      args.push_back(std::to_string(options.stallAfterBytes));
    }
    std::vector<char*> argv;
    for (std::string& arg : args)
      argv.push_back(arg.data());
    argv.push_back(nullptr);

    int out[2];
    int in[2];
    if (::pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    if (::pipe2(in, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    const int spawned = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    ::close(in[0]);
    stdin_ = in[1];  // the server exits when this closes, even if the test crashes
    if (spawned != 0) {
      ::close(out[0]);
      pid_ = -1;
      throw std::runtime_error("cannot start " + args[0]);
    }
    stdout_ = out[0];
    const std::string port = readLine(std::chrono::seconds(20));
    port_ = port.empty() ? -1 : std::stoi(port);
    if (port_ <= 0) {
      stop();
      throw std::runtime_error("the FTP test server did not report its port");
    }
  }

  ~FtpTestServer() { stop(); }
  FtpTestServer(const FtpTestServer&) = delete;
  FtpTestServer& operator=(const FtpTestServer&) = delete;

  int port() const { return port_; }

  // Waits, at most `bound`, for the server to print `line`.
  bool awaitOutput(const std::string& line, std::chrono::seconds bound) {
    const auto deadline = std::chrono::steady_clock::now() + bound;
    while (std::chrono::steady_clock::now() < deadline) {
      const auto left =
          std::chrono::duration_cast<std::chrono::seconds>(deadline - std::chrono::steady_clock::now());
      if (readLine(left + std::chrono::seconds(1)) == line) return true;
    }
    return false;
  }

  // "connect" per control connection and "quit" per QUIT (and with
  // logTransfers "size NAME", "retr NAME" and "stor NAME"), in order.
  std::vector<std::string> events() const {
    std::vector<std::string> lines;
    std::ifstream log(eventLog_);
    for (std::string line; std::getline(log, line);)
      lines.push_back(line);
    return lines;
  }

  long count(const std::string& event) const {
    long n = 0;
    for (const std::string& line : events())
      n += line == event;
    return n;
  }

  // Ends the server at once; its port then refuses connections.
  void stop() {
    if (stdin_ >= 0) ::close(stdin_);
    if (stdout_ >= 0) ::close(stdout_);
    stdin_ = -1;
    stdout_ = -1;
    if (pid_ > 0) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
    pid_ = -1;
  }

 private:
  // The next line the server prints, or "" when none comes within `bound`.
  std::string readLine(std::chrono::seconds bound) {
    const auto deadline = std::chrono::steady_clock::now() + bound;
    std::size_t end;
    while ((end = pending_.find('\n')) == std::string::npos) {
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
      if (left.count() <= 0) return "";
      pollfd waiting{stdout_, POLLIN, 0};
      if (::poll(&waiting, 1, static_cast<int>(left.count())) <= 0) return "";
      char buffer[256];
      const ssize_t got = ::read(stdout_, buffer, sizeof buffer);
      if (got <= 0) return "";
      pending_.append(buffer, static_cast<std::size_t>(got));
    }
    std::string line = pending_.substr(0, end);
    pending_.erase(0, end + 1);
    return line;
  }

  std::filesystem::path eventLog_;
  pid_t pid_ = -1;
  int stdin_ = -1;
  int stdout_ = -1;
  std::string pending_;
  int port_ = -1;
};

// A TCP socket on 127.0.0.1 at a free port. Listening, it completes every
// connection in the kernel and never says a word; not listening, the port
// refuses connections while the socket keeps anyone else from taking it.
class LoopbackPort {
 public:
  explicit LoopbackPort(bool listening) {
    fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd_ < 0 || ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        (listening && ::listen(fd_, 16) != 0) ||
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
      throw std::runtime_error("cannot open a loopback socket");
    port_ = ntohs(address.sin_port);
  }
  ~LoopbackPort() { ::close(fd_); }
  LoopbackPort(const LoopbackPort&) = delete;
  LoopbackPort& operator=(const LoopbackPort&) = delete;

  int port() const { return port_; }

  // Waits, at most `bound`, until a client's connection is ready to accept.
  bool awaitConnection(std::chrono::seconds bound) const {
    pollfd waiting{fd_, POLLIN, 0};
    return ::poll(&waiting, 1, static_cast<int>(std::chrono::milliseconds(bound).count())) > 0;
  }

 private:
  int fd_ = -1;
  int port_ = 0;
};

}  // namespace transfer_testing

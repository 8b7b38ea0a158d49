// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The transfer control the FTP form drives, standing in for the Windows
// Internet Transfer Control: Execute starts a request on one worker thread and
// returns at once; StateChanged reports the end through the UI thread; the
// listing of a DIR is read back with GetChunk. A failed request's error is
// raised once, by the next Execute or GetChunk.

#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "transfer/control/server_certificate.h"
#include "transfer/control/transfer_error.h"

namespace transfer {

constexpr int kStateError = 11;              // the request failed
constexpr int kStateResponseCompleted = 12;  // the request succeeded

class Inet {
 public:
  // Runs a callable on the UI thread. Without one, StateChanged runs on the worker.
  using Post = std::function<void(std::function<void()>)>;

  explicit Inet(Post post);  // starts the worker thread
  ~Inet();                   // cancels a running request within about a second and joins the worker
  Inet(const Inet&) = delete;
  Inet& operator=(const Inet&) = delete;

  int RemotePort = 21;  // applied to every request
  int Protocol = 2;     // 2 = FTP, the only one supported
  // The public-key pins ("sha256//...") the user chose to trust for servers
  // whose certificate the system does not accept, by "host:port".
  std::map<std::string, std::string> TrustedKeys;

  // "DIR path", "GET remote local", "PUT local remote" or "QUIT". Returns at
  // once. Throws kStillExecuting while a request runs, then the failed
  // request's error (once), then kBadUrl (URL, or RemotePort outside 0-65535)
  // or kBadRequest (operation, Protocol) for this call; none starts anything.
  // An empty URL means the last one accepted. QUIT never throws: it closes the
  // connection after any running request, and clears a pending error.
  void Execute(const std::string& url, const std::string& operation);

  // The next at most `size` bytes of a DIR's listing: "name\r\n" lines, a
  // folder's name ending in "/"; empty when all is read. dataType is ignored
  // (text and bytes are both a std::string). Throws kStillExecuting while the
  // request runs, and the failed request's error (once).
  std::string GetChunk(long size, int dataType);

  bool StillExecuting() const;

  // Set when the last request was refused for the server's certificate: what
  // to show the user before asking whether to trust it.
  std::optional<transfer::RefusedCertificate> RefusedCertificate() const;
  // Whether the last request's connection was protected by TLS.
  bool Encrypted() const;
  // The server's own name (its PWD) for the folder the last DIR listed, once
  // that has ended; empty when the server did not tell. Two paths that reach
  // one folder through a link read the same on servers that resolve links.
  std::string ServerPath() const;
  // Ends the running request at once (within a few milliseconds on a local
  // network), as a failure; a download's partial file is removed and an older
  // file of its name kept. Nothing when no request runs; the next Execute
  // starts afresh.
  void Cancel();

  // The bytes the running (or last) request has moved so far, and all it
  // will move: 0 until known, for a listing, and for a server that does not
  // tell a file's size.
  long long BytesTransferred() const;
  long long BytesToTransfer() const;

  // Called through `post` with kStateResponseCompleted or kStateError when a
  // request ends; QUIT reports nothing.
  std::function<void(int state)> StateChanged;

  // Connect (and log in) within `connect`; fail a transfer or a server answer
  // that makes no progress for `stall`. Taken by the next Execute.
  void setTimeouts(std::chrono::seconds connect, std::chrono::seconds stall);

 private:
  struct Shared;
  void work();
  void notify(int state);

  Post post_;
  std::shared_ptr<std::atomic<bool>> alive_;
  std::unique_ptr<Shared> shared_;
  std::thread worker_;
};

}  // namespace transfer

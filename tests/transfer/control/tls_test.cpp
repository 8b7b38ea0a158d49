// SPDX-License-Identifier: GPL-3.0-or-later
// Encrypted FTP against pyftpdlib's TLS handler with a self-signed
// certificate: which addresses use TLS, when the certificate stops the
// connection before any login, and that a trusted key lets it through.

#include <gtest/gtest.h>

#include <algorithm>
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
#include "transfer/control/inet.h"
#include "transfer/control/server_certificate.h"
#include "transfer/ftp_test_server.h"

namespace transfer {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using transfer_testing::FtpServerOptions;
using transfer_testing::FtpTestServer;

constexpr auto kWait = 30s;

std::string bytesOf(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class TlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(root_);
    fs::create_directories(local_);
    std::ofstream(root_ / "a.bin", std::ios::binary) << sample_;
  }
  void TearDown() override {
    inet_.reset();
    server_.reset();
    fs::remove_all(base_);
  }

  // "" for a server without TLS.
  void startServer(const std::string& tls, const fs::path& certificate = {}) {
    server_ = std::make_unique<FtpTestServer>(
        root_, base_ / "events.log",
        FtpServerOptions{.logLogins = true,
                         .tls = tls,
                         .certificate = (certificate.empty() ? certificate_ : certificate).string()});
    inet_ = std::make_unique<Inet>([](std::function<void()> callable) { callable(); });
    inet_->StateChanged = [this](int state) {
      std::lock_guard lock(mutex_);
      states_.push_back(state);
      changed_.notify_all();
    };
    inet_->RemotePort = server_->port();
    inet_->setTimeouts(10s, 10s);
  }

  // Implicit TLS has a port of its own: the address names the server's.
  std::string address(const std::string& scheme) const {
    return scheme + FtpTestServer::kUser + ":" + FtpTestServer::kPassword + "@127.0.0.1" +
           (scheme == "ftps://" ? ":" + std::to_string(server_->port()) : "");
  }

  std::string serverKey() const { return "127.0.0.1:" + std::to_string(server_->port()); }

  ServerCertificate certificate(const fs::path& pem) const {
    const std::optional<ServerCertificate> described = describePemCertificate(bytesOf(pem));
    EXPECT_TRUE(described);
    return described.value_or(ServerCertificate{});
  }

  void trust(const fs::path& pem) { inet_->TrustedKeys[serverKey()] = certificate(pem).publicKeyPin; }

  // The state the request ended in; the error it raised, if any, in `error`.
  int run(const std::string& url, const std::string& operation) {
    inet_->Execute(url, operation);
    int state = -1;
    {
      std::unique_lock lock(mutex_);
      if (!changed_.wait_for(lock, kWait, [&] { return !states_.empty(); })) {
        ADD_FAILURE() << "the request did not end";
        return -1;
      }
      state = states_.front();
      states_.pop_front();
    }
    error_ = 0;
    if (state == kStateError) {
      try {
        inet_->GetChunk(1, 0);
      } catch (const TransferError& raised) {
        error_ = raised.number;
        message_ = raised.what();
      }
    }
    return state;
  }

  std::string listing() {
    std::string all;
    for (std::string chunk = inet_->GetChunk(4096, 0); !chunk.empty(); chunk = inet_->GetChunk(4096, 0))
      all += chunk;
    return all;
  }

  std::vector<std::string> events() const { return server_->events(); }
  bool loggedIn() const {
    const std::vector<std::string> seen = events();
    return std::find(seen.begin(), seen.end(), "user") != seen.end();
  }

  const fs::path base_ = testing_support::freshTempFolder("tls");
  const fs::path root_ = base_ / "root";
  const fs::path local_ = base_ / "local";
  const fs::path certificate_ = base_ / "server.pem";
  const std::string sample_ = std::string(200000, 'x') + "\r\n\n\r end";
  std::unique_ptr<FtpTestServer> server_;
  std::unique_ptr<Inet> inet_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<int> states_;
  int error_ = 0;
  std::string message_;
};

struct ModeCase {
  std::string name;
  std::string server;  // "" for plain FTP
  std::string scheme;
  bool trusted;
  // What the user gets:
  bool lists;
  bool encrypted;
  bool certificateShown;  // refused for the certificate, before any login
};

void PrintTo(const ModeCase& row, std::ostream* out) {
  *out << row.name;
}

class TlsModeTest : public TlsTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(TlsModeTest, TheAddressSchemeDecidesAndTheCertificateIsCheckedBeforeTheLogin) {
  const ModeCase& row = GetParam();
  startServer(row.server);
  if (row.trusted) trust(certificate_);
  const int state = run(address(row.scheme), "DIR");

  EXPECT_EQ(state == kStateResponseCompleted, row.lists) << message_;
  if (row.lists) {
    EXPECT_EQ(listing(), "a.bin\r\n");
  }
  EXPECT_EQ(inet_->Encrypted(), row.encrypted);
  const std::optional<RefusedCertificate> refused = inet_->RefusedCertificate();
  ASSERT_EQ(refused.has_value(), row.certificateShown);
  if (refused) {
    EXPECT_EQ(error_, kCannotConnect);
    EXPECT_EQ(refused->server, serverKey());
    EXPECT_FALSE(refused->changed);
    const ServerCertificate expected = certificate(certificate_);
    EXPECT_EQ(refused->certificate.fingerprint, expected.fingerprint);
    EXPECT_EQ(refused->certificate.subject, "CN = 127.0.0.1, O = Quillmere tests");
    EXPECT_EQ(refused->certificate.issuer, refused->certificate.subject);
    EXPECT_EQ(refused->certificate.fingerprint.size(), 32u * 3 - 1);
  }
  // Without TLS on the wire, no password was sent where the address asked for it.
  if (!row.lists && !row.encrypted) {
    EXPECT_FALSE(loggedIn());
  }
  if (row.server != "" && row.scheme != "ftps://") {
    const std::vector<std::string> seen = events();
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen[1], "auth") << "the first command is AUTH TLS";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Servers, TlsModeTest,
    ::testing::Values(
        // name, server, scheme, trusted, lists, encrypted, certificate shown
        ModeCase{"FtpAgainstPlainServer", "", "ftp://", false, true, false, false},
        ModeCase{"BareHostAgainstPlainServer", "", "", false, true, false, false},
        ModeCase{"FtpAgainstOfferingServerUntrusted", "offered", "ftp://", false, false, false, true},
        ModeCase{"FtpAgainstOfferingServerTrusted", "offered", "ftp://", true, true, true, false},
        ModeCase{"FtpAgainstRequiringServerTrusted", "required", "ftp://", true, true, true, false},
        ModeCase{"FtpesAgainstPlainServer", "", "ftpes://", false, false, false, false},
        ModeCase{"FtpesAgainstOfferingServerUntrusted", "offered", "ftpes://", false, false, false, true},
        ModeCase{"FtpesAgainstRequiringServerTrusted", "required", "ftpes://", true, true, true, false},
        ModeCase{"FtpsImplicitUntrusted", "implicit", "ftps://", false, false, false, true},
        ModeCase{"FtpsImplicitTrusted", "implicit", "ftps://", true, true, true, false}),
    testing_support::RowName());

TEST_F(TlsTest, ACertificateOtherThanTheTrustedOneIsRefusedAsChanged) {
  startServer("offered", base_ / "other.pem");  // makes a second certificate
  const std::string otherKey = certificate(base_ / "other.pem").publicKeyPin;
  inet_.reset();
  server_.reset();
  startServer("offered");
  inet_->TrustedKeys[serverKey()] = otherKey;
  EXPECT_EQ(run(address("ftp://"), "DIR"), kStateError);
  const std::optional<RefusedCertificate> refused = inet_->RefusedCertificate();
  ASSERT_TRUE(refused);
  EXPECT_TRUE(refused->changed);
  EXPECT_EQ(refused->certificate.fingerprint, certificate(certificate_).fingerprint);
  EXPECT_NE(message_.find("changed"), std::string::npos) << message_;
  EXPECT_FALSE(loggedIn());
}

TEST_F(TlsTest, DownloadAndUploadOverTlsAreByteForByte) {
  startServer("required");
  trust(certificate_);
  ASSERT_EQ(run(address("ftpes://"), "GET a.bin " + (local_ / "a.bin").string()), kStateResponseCompleted)
      << message_;
  EXPECT_EQ(bytesOf(local_ / "a.bin"), sample_);
  ASSERT_EQ(run(address("ftpes://"), "PUT " + (local_ / "a.bin").string() + " back.bin"),
            kStateResponseCompleted)
      << message_;
  ASSERT_TRUE(server_->awaitOutput("received back.bin", kWait));
  EXPECT_TRUE(bytesOf(root_ / "back.bin") == sample_) << bytesOf(root_ / "back.bin").size() << " bytes";
  EXPECT_TRUE(inet_->Encrypted());
}

}  // namespace
}  // namespace transfer

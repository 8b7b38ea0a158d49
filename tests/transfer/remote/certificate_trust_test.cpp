// SPDX-License-Identifier: GPL-3.0-or-later
// The certificate question through the window, against a TLS server with a
// self-signed certificate: asked before any login, answered OK or Cancel,
// remembered in trusted.db, asked again when the certificate changes.

#include <sys/stat.h>

#include <algorithm>

#include "remote_fixture.h"
#include "support/row_name.h"
#include "transfer/control/server_certificate.h"
#include "transfer/remote/certificate_trust.h"

namespace transfer::testing {
namespace {

using platform::MessageAnswer;
using Names = std::vector<std::string>;

class CertificateTrustTest : public RemoteFtpTest {
 protected:
  void startTlsServer(const fs::path& certificate) {
    startServer({.logLogins = true, .tls = "offered", .certificate = certificate.string()});
  }

  ServerCertificate certificateOf(const fs::path& pem) {
    const std::optional<ServerCertificate> described = describePemCertificate(read(pem));
    EXPECT_TRUE(described);
    return described.value_or(ServerCertificate{});
  }

  std::string serverKey() const { return "127.0.0.1:" + std::to_string(ftpServer_->port()); }
  fs::path trustedFile() const { return data_ / "trusted.db"; }
  bool loggedIn() const {
    const Names seen = ftpServer_->events();
    return std::find(seen.begin(), seen.end(), "user") != seen.end();
  }

  fs::path certificate_ = root_ / "server.pem";
};

TEST_F(CertificateTrustTest, CancelEndsTheClickBeforeAnyLoginAndTrustsNothing) {
  write(server_ / "a.txt", "a");
  startTlsServer(certificate_);
  host.answers = {MessageAnswer::Cancel};
  f.Command4.click();

  ASSERT_GE(host.messages.size(), 1u);
  const std::string& question = host.messages.front();
  EXPECT_NE(question.find(serverKey() + " presents a certificate that this computer does not trust"),
            std::string::npos)
      << question;
  EXPECT_NE(question.find(certificateOf(certificate_).fingerprint), std::string::npos) << question;
  EXPECT_NE(question.find("Subject: CN = 127.0.0.1, O = Quillmere tests"), std::string::npos) << question;
  EXPECT_NE(question.find("Valid from "), std::string::npos) << question;
  EXPECT_EQ(host.messages.size(), 3u);
  EXPECT_EQ(host.messages.at(1), "35754");
  EXPECT_EQ(host.messages.back(), "The server cannot be reached: the server's certificate is not trusted.");
  EXPECT_TRUE(f.List1.items.empty());
  EXPECT_FALSE(loggedIn());
  EXPECT_FALSE(fs::exists(trustedFile()));
}

TEST_F(CertificateTrustTest, OkConnectsAndIsRememberedInAPrivateFile) {
  write(server_ / "a.txt", "a");
  startTlsServer(certificate_);
  host.answers = {MessageAnswer::Ok};
  f.Command4.click();
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(listedNames(), (Names{"a.txt"}));
  EXPECT_EQ(f.caption, "Quillmere - An Internet File Transfer Tool - ftp://127.0.0.1/ (encrypted)");
  EXPECT_EQ(read(trustedFile()), serverKey() + " " + certificateOf(certificate_).publicKeyPin + "\r\n");
  struct stat status {};
  ASSERT_EQ(::stat(trustedFile().c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0600u);

  // A later start reads the file and asks nothing.
  Quillmere again{host, "/opt/quillmere", data_, downloads_};
  ftpLoad(again.window);
  again.window.txtURLbox.setText("127.0.0.1");
  again.window.settings = f.settings;
  host.messages.clear();
  again.window.Command4.click();
  EXPECT_TRUE(host.messages.empty()) << host.messages.front();
  EXPECT_EQ(again.window.List1.items, (Names{"a.txt"}));
}

TEST_F(CertificateTrustTest, ADifferentCertificateIsToldAsChangedAndOkReplacesTheKey) {
  startTlsServer(root_ / "first.pem");  // only to make a first certificate
  const std::string firstPin = certificateOf(root_ / "first.pem").publicKeyPin;
  ftpServer_.reset();
  startTlsServer(certificate_);
  fs::create_directories(data_);
  ASSERT_TRUE(saveTrustedKeys(trustedFile(), {{serverKey(), firstPin}, {"other:21", firstPin}}));

  host.answers = {MessageAnswer::Ok};
  f.Command4.click();
  ASSERT_FALSE(host.messages.empty());
  EXPECT_NE(host.messages.front().find("has changed since you trusted it"), std::string::npos)
      << host.messages.front();
  EXPECT_EQ(loadTrustedKeys(trustedFile()),
            (TrustedKeys{{serverKey(), certificateOf(certificate_).publicKeyPin}, {"other:21", firstPin}}));
}

TEST_F(CertificateTrustTest, AFolderInPlaceOfTheFileStillTrustsForTheSessionAndSaysItCouldNotSave) {
  write(server_ / "a.txt", "a");
  startTlsServer(certificate_);
  fs::create_directories(trustedFile());
  host.answers = {MessageAnswer::Ok};
  f.Command4.click();
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[1], "The trusted certificate could not be saved to " + trustedFile().string() +
                                  "; it is trusted until Quillmere ends.");
  EXPECT_EQ(listedNames(), (Names{"a.txt"}));
  host.messages.clear();
  f.Command4.click();
  EXPECT_TRUE(host.messages.empty()) << host.messages.front();
  EXPECT_TRUE(fs::is_directory(trustedFile()));
}

struct DamagedCase {
  std::string name;
  std::string bytes;
  TrustedKeys kept;
};

void PrintTo(const DamagedCase& row, std::ostream* out) {
  *out << row.name;
}

class DamagedTrustFileTest : public ::testing::TestWithParam<DamagedCase> {};

const std::string kPin = "sha256//" + std::string(43, 'A') + "=";

TEST_P(DamagedTrustFileTest, KeepsOnlyWholeLines) {
  const fs::path folder = testing_support::freshTempFolder("trusted");
  fs::create_directories(folder);
  std::ofstream(folder / "trusted.db", std::ios::binary) << GetParam().bytes;
  EXPECT_EQ(loadTrustedKeys(folder / "trusted.db"), GetParam().kept);
  fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedTrustFileTest,
    ::testing::Values(DamagedCase{"Whole", "h:21 " + kPin + "\r\n", {{"h:21", kPin}}},
                      DamagedCase{"NoPort", "h " + kPin + "\r\n", {}},
                      DamagedCase{"ShortPin", "h:21 sha256//AAAA\r\n", {}},
                      DamagedCase{"OtherHash", "h:21 md5//" + std::string(43, 'A') + "=\r\n", {}},
                      DamagedCase{"BinaryThenWhole",
                                  std::string("\0\x01\xff junk\r\n", 10) + "g:990 " + kPin,
                                  {{"g:990", kPin}}},
                      DamagedCase{"TabInName", "h\t:21 " + kPin + "\r\n", {}}, DamagedCase{"Empty", "", {}}),
    testing_support::RowName());

}  // namespace
}  // namespace transfer::testing

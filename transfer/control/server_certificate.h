// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a user needs to decide whether to trust a server's TLS certificate,
// and the pin that lets a later connection accept exactly that key.

#include <curl/curl.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

typedef struct x509_st X509;

namespace transfer {

struct ServerCertificate {
  std::string subject;  // e.g. "CN=ftp.example.org, O=Example"
  std::string issuer;
  std::string validFrom;  // "2026-12-11 13:58:26 UTC"
  std::string validUntil;
  std::string fingerprint;   // SHA-256 of the certificate, "AB:CD:..."
  std::string publicKeyPin;  // "sha256//" + base64 of the SHA-256 of the public key, as libcurl pins it
};

// A connection refused for its certificate: which server, what it showed,
// and whether a key trusted before was there instead.
struct RefusedCertificate {
  std::string server;  // "host:port"
  ServerCertificate certificate;
  bool changed = false;
};

// Nothing for a certificate OpenSSL cannot take apart.
std::optional<ServerCertificate> describeCertificate(const X509* certificate);
std::optional<ServerCertificate> describePemCertificate(std::string_view pem);

// Keeps the certificate each TLS handshake of a libcurl handle was shown, so
// that a connection refused for its certificate can still say which one it
// was. The verification result is never changed.
class CertificateCapture {
 public:
  // For CURLOPT_SSL_CTX_FUNCTION, with the capture as CURLOPT_SSL_CTX_DATA
  // (libcurl built with OpenSSL).
  static CURLcode onSslContext(CURL* handle, void* sslContext, void* capture);
  void clear();
  // The last certificate seen, if any handshake got that far.
  const std::optional<ServerCertificate>& last() const { return last_; }
  // Whether any connection set up TLS since the last clear (a resumed
  // session shows no certificate, but still counts).
  bool startedTls() const { return startedTls_; }

  void take(const X509* certificate);

 private:
  std::optional<ServerCertificate> last_;
  bool startedTls_ = false;
};

}  // namespace transfer

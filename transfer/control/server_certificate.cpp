// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/control/server_certificate.h"

#include <openssl/asn1.h>
#include <openssl/bio.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>

#include <array>
#include <cstdio>
#include <ctime>
#include <vector>

namespace transfer {
namespace {

struct BioDeleter {
  void operator()(BIO* bio) const { BIO_free(bio); }
};
struct X509Deleter {
  void operator()(X509* certificate) const { X509_free(certificate); }
};

std::string nameText(const X509_NAME* name) {
  if (!name) return {};
  std::unique_ptr<BIO, BioDeleter> out(BIO_new(BIO_s_mem()));
  if (!out) return {};
  // One line, "CN=..., O=...", with UTF-8 kept as it is.
  X509_NAME_print_ex(out.get(), name, 0, XN_FLAG_ONELINE & ~ASN1_STRFLGS_ESC_MSB);
  char* data = nullptr;
  const long size = BIO_get_mem_data(out.get(), &data);
  return size > 0 ? std::string(data, static_cast<std::size_t>(size)) : std::string();
}

std::string timeText(const ASN1_TIME* time) {
  std::tm parts{};
  if (!time || ASN1_TIME_to_tm(time, &parts) != 1) return "unknown";
  std::array<char, 32> text{};
  std::strftime(text.data(), text.size(), "%Y-%m-%d %H:%M:%S UTC", &parts);
  return text.data();
}

std::string hexPairs(const unsigned char* bytes, unsigned size) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (unsigned i = 0; i < size; ++i) {
    if (i) text += ':';
    text += kDigits[bytes[i] >> 4];
    text += kDigits[bytes[i] & 15];
  }
  return text;
}

std::optional<std::string> keyPin(const X509* certificate) {
  const int size = i2d_PUBKEY(X509_get0_pubkey(certificate), nullptr);
  if (size <= 0) return std::nullopt;
  std::vector<unsigned char> der(static_cast<std::size_t>(size));
  unsigned char* end = der.data();
  if (i2d_PUBKEY(X509_get0_pubkey(certificate), &end) != size) return std::nullopt;
  std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
  unsigned digestSize = 0;
  if (EVP_Digest(der.data(), der.size(), digest.data(), &digestSize, EVP_sha256(), nullptr) != 1)
    return std::nullopt;
  std::array<unsigned char, 64> base64{};
  const int written = EVP_EncodeBlock(base64.data(), digest.data(), static_cast<int>(digestSize));
  if (written <= 0) return std::nullopt;
  return "sha256//" +
         std::string(reinterpret_cast<const char*>(base64.data()), static_cast<std::size_t>(written));
}

// The handshake's verify callback: notes the server's own certificate and
// passes OpenSSL's verdict on unchanged.
int noteCertificate(int verdict, X509_STORE_CTX* store) {
  auto* ssl = static_cast<SSL*>(X509_STORE_CTX_get_ex_data(store, SSL_get_ex_data_X509_STORE_CTX_idx()));
  if (ssl) {
    auto* capture = static_cast<CertificateCapture*>(SSL_CTX_get_app_data(SSL_get_SSL_CTX(ssl)));
    if (capture) capture->take(X509_STORE_CTX_get0_cert(store));
  }
  return verdict;
}

}  // namespace

std::optional<ServerCertificate> describeCertificate(const X509* certificate) {
  if (!certificate) return std::nullopt;
  ServerCertificate described;
  described.subject = nameText(X509_get_subject_name(certificate));
  described.issuer = nameText(X509_get_issuer_name(certificate));
  described.validFrom = timeText(X509_get0_notBefore(certificate));
  described.validUntil = timeText(X509_get0_notAfter(certificate));
  std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
  unsigned digestSize = 0;
  if (X509_digest(certificate, EVP_sha256(), digest.data(), &digestSize) != 1) return std::nullopt;
  described.fingerprint = hexPairs(digest.data(), digestSize);
  const std::optional<std::string> pin = keyPin(certificate);
  if (!pin) return std::nullopt;
  described.publicKeyPin = *pin;
  return described;
}

std::optional<ServerCertificate> describePemCertificate(std::string_view pem) {
  std::unique_ptr<BIO, BioDeleter> in(BIO_new_mem_buf(pem.data(), static_cast<int>(pem.size())));
  if (!in) return std::nullopt;
  std::unique_ptr<X509, X509Deleter> certificate(PEM_read_bio_X509(in.get(), nullptr, nullptr, nullptr));
  return describeCertificate(certificate.get());
}

CURLcode CertificateCapture::onSslContext(CURL*, void* sslContext, void* capture) {
  auto* context = static_cast<SSL_CTX*>(sslContext);
  static_cast<CertificateCapture*>(capture)->startedTls_ = true;
  SSL_CTX_set_app_data(context, capture);
  SSL_CTX_set_verify(context, SSL_CTX_get_verify_mode(context), &noteCertificate);
  return CURLE_OK;
}

void CertificateCapture::clear() {
  last_.reset();
}

void CertificateCapture::take(const X509* certificate) {
  // Called at every depth of the chain; the store's certificate is always the
  // server's own, and a failure high in the chain ends the walk early.
  if (std::optional<ServerCertificate> described = describeCertificate(certificate))
    last_ = std::move(described);
}

}  // namespace transfer

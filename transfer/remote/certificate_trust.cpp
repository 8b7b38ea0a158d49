// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/remote/certificate_trust.h"

#include <vector>

#include "platform/host.h"
#include "platform/text_chars.h"
#include "platform/text_file.h"
#include "transfer/control/inet.h"

namespace transfer {
namespace {

constexpr std::size_t kMostKeys = 10000;
constexpr std::string_view kPinStart = "sha256//";

bool plainText(std::string_view text) {
  for (const char c : text)
    if (platform::isControlCharacter(c) || c == ' ') return false;
  return !text.empty();
}

}  // namespace

std::filesystem::path trustedKeysFilePath(const FtpWindow& f) {
  return f.dataFolder / "trusted.db";
}

TrustedKeys loadTrustedKeys(const std::filesystem::path& file) {
  TrustedKeys keys;
  const std::optional<std::vector<std::string>> lines = platform::readLines(file, kMostKeys);
  if (!lines) return keys;
  for (const std::string& line : *lines) {
    // "host:port sha256//base64"
    const std::size_t blank = line.find(' ');
    if (blank == std::string::npos) continue;
    const std::string server = line.substr(0, blank);
    const std::string pin = line.substr(blank + 1);
    if (!plainText(server) || server.find(':') == std::string::npos) continue;
    if (!plainText(pin) || !pin.starts_with(kPinStart) || pin.size() != kPinStart.size() + 44) continue;
    keys[server] = pin;
  }
  return keys;
}

bool saveTrustedKeys(const std::filesystem::path& file, const TrustedKeys& keys) {
  std::vector<std::string> lines;
  for (const auto& [server, pin] : keys)
    lines.push_back(server + " " + pin);
  return platform::writeLinesReplacing(file, lines, {}, 0600);
}

std::string trustQuestion(const RefusedCertificate& refused) {
  const ServerCertificate& c = refused.certificate;
  std::string text =
      refused.changed
          ? "Warning: the certificate of " + refused.server +
                " has changed since you trusted it. The server may have a new certificate, or someone may be "
                "intercepting the connection.\n\n"
          : "The server " + refused.server + " presents a certificate that this computer does not trust.\n\n";
  text += "Subject: " + c.subject + "\nIssuer: " + c.issuer + "\nValid from " + c.validFrom + " until " +
          c.validUntil + "\nSHA-256 fingerprint:\n" + c.fingerprint + "\n\n";
  text += refused.changed
              ? "Trust the new certificate for this server? OK trusts it and connects; Cancel does not "
                "connect."
              : "Trust this certificate for this server? OK trusts it and connects; Cancel does not "
                "connect.";
  return text;
}

bool askToTrust(FtpWindow& f, const RefusedCertificate& refused) {
  if (f.host.messageBox(trustQuestion(refused), platform::MessageButtons::OkCancel) !=
      platform::MessageAnswer::Ok)
    return false;
  const std::filesystem::path file = trustedKeysFilePath(f);
  TrustedKeys keys = loadTrustedKeys(file);
  keys[refused.server] = refused.certificate.publicKeyPin;
  f.Inet1->TrustedKeys[refused.server] = refused.certificate.publicKeyPin;
  if (!saveTrustedKeys(file, keys))
    f.host.messageBox("The trusted certificate could not be saved to " + file.string() +
                          "; it is trusted until Quillmere ends.",
                      platform::MessageButtons::Ok);
  return true;
}

}  // namespace transfer

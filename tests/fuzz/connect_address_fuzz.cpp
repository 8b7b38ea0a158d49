// SPDX-License-Identifier: GPL-3.0-or-later
// The connect-address rule and the URLs made from it: whatever the user
// types as user name, password, address and remote path, a request gets a
// URL without credentials or control characters, or a clean "Bad URL".

#include <string>

#include "fuzz_check.h"
#include "support/fake_host.h"
#include "transfer/control/ftp_address.h"
#include "transfer/control/transfer_error.h"
#include "transfer/local/ftp.h"
#include "transfer/local/quillmere.h"
#include "transfer/remote/connection_settings.h"

namespace {

transfer::FTP& window() {
  static testing_support::FakeHost host;
  static transfer::Quillmere program(host, "/nonexistent-assets", "/nonexistent-data",
                                     "/nonexistent-downloads");
  return program.window;
}

bool isClean(std::string_view url) {
  for (char c : url) {
    const auto code = static_cast<unsigned char>(c);
    if (code < 0x20 || code == 0x7f) return false;
  }
  return true;
}

// The input is four texts separated by 0xFF bytes: user, password, address,
// remote path.
std::vector<std::string> fields(std::string_view text) {
  std::vector<std::string> parts(4);
  std::size_t i = 0;
  for (char c : text) {
    if (static_cast<unsigned char>(c) == 0xFF && i + 1 < parts.size()) {
      ++i;
    } else {
      parts[i] += c;
    }
  }
  return parts;
}

std::string upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto [user, password, address, path] = [&] {
    auto p = fields(fuzzText(data, size));
    return std::tuple(p[0], p[1], p[2], p[3]);
  }();
  transfer::FTP& f = window();
  f.settings.userName = user;
  f.settings.password = password;
  f.txtURLbox.setText(address);
  const bool anonymous = upper(user) == "ANONYMOUS";

  const std::string url = transfer::transferAddress(f);
  // An "ftp://" the user typed is not doubled.
  const std::string typed = upper(address.substr(0, 6)) == "FTP://" ? address.substr(6) : address;
  FUZZ_CHECK(url == "ftp://" + (anonymous ? std::string() : user + ":" + password + "@") + typed);
  const std::string atStart = transfer::startupAddress(f);
  FUZZ_CHECK(atStart.ends_with(transfer::credentials(f) + address));

  transfer::FtpAddress parsed;
  try {
    parsed = transfer::parseFtpAddress(url);
  } catch (const transfer::TransferError& error) {
    FUZZ_CHECK(error.number == transfer::kBadUrl);
    return 0;
  }
  FUZZ_CHECK(parsed.base.starts_with("ftp://"));
  FUZZ_CHECK(isClean(parsed.base));
  const std::string_view authority = std::string_view(parsed.base).substr(6, parsed.base.find('/', 6) - 6);
  FUZZ_CHECK(authority.find('@') == std::string_view::npos);
  if (!anonymous && address.find('@') == std::string::npos && user.find(':') == std::string::npos) {
    FUZZ_CHECK(parsed.user == user && parsed.password == password);
  }
  if (anonymous && address.find('@') == std::string::npos) FUZZ_CHECK(!parsed.user);

  for (const bool asFile : {false, true}) {
    try {
      const std::string request =
          asFile ? transfer::fileUrl(parsed, path) : transfer::directoryUrl(parsed, path);
      FUZZ_CHECK(request.starts_with(parsed.base + "/") && isClean(request));
    } catch (const transfer::TransferError& error) {
      FUZZ_CHECK(error.number == transfer::kBadUrl || error.number == transfer::kBadRequest);
    }
  }
  return 0;
}

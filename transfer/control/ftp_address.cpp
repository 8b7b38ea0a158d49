// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/control/ftp_address.h"

#include <curl/curl.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "platform/text_case.h"
#include "platform/text_chars.h"
#include "transfer/control/transfer_error.h"

namespace transfer {
namespace {

[[noreturn]] void malformed(const std::string& why) {
  throw TransferError(kBadUrl, "The URL is malformed: " + why + ".");
}

bool isUnreservedOrAllowed(unsigned char c) {
  static constexpr std::string_view kAllowed = "-._~!$&'()*+,;=:@/";
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         kAllowed.find(static_cast<char>(c)) != std::string_view::npos;
}

// Names are taken literally: blanks, "%", "?" and "#" are escaped so libcurl
// sends the server exactly the characters typed.
std::string encodePath(std::string_view path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  for (char ch : path) {
    const auto c = static_cast<unsigned char>(ch);
    if (platform::isControlCharacter(ch)) malformed("the path holds a control character");
    if (isUnreservedOrAllowed(c)) {
      encoded += ch;
    } else {
      encoded += '%';
      encoded += kHex[c >> 4];
      encoded += kHex[c & 0x0f];
    }
  }
  return encoded;
}

std::string withoutLeadingSlashes(const std::string& path) {
  const std::size_t first = path.find_first_not_of('/');
  return first == std::string::npos ? std::string() : path.substr(first);
}

// "::1" or "fe80::1%eth0" typed bare: a host name holds no ":" and a host
// with a port holds one, so two or more mean an IPv6 address. A zone's "%"
// is escaped as a URL needs it.
std::string withIpv6Brackets(const std::string& authority) {
  if (authority.starts_with('[') || std::count(authority.begin(), authority.end(), ':') < 2) return authority;
  std::string bracketed = "[";
  for (char c : authority)
    bracketed += c == '%' ? std::string("%25") : std::string(1, c);
  return bracketed + "]";
}

struct UrlHandleDeleter {
  void operator()(CURLU* url) const { curl_url_cleanup(url); }
};

struct CurlTextDeleter {
  void operator()(char* text) const { curl_free(text); }
};

}  // namespace

FtpAddress parseFtpAddress(const std::string& url) {
  // A NUL would cut the URL libcurl sees short; CR and LF would end an FTP
  // command early, in the user name as in the host.
  if (std::any_of(url.begin(), url.end(), platform::isControlCharacter))
    malformed("the address holds a control character");
  std::string rest = url;
  FtpAddress address;
  const std::size_t schemeEnd = url.find("://");
  if (schemeEnd != std::string::npos) {
    const std::string_view scheme = std::string_view(url).substr(0, schemeEnd);
    if (platform::equalIgnoringCase(scheme, "ftpes"))
      address.encryption = Encryption::Required;
    else if (platform::equalIgnoringCase(scheme, "ftps"))
      address.encryption = Encryption::Implicit;
    else if (!platform::equalIgnoringCase(scheme, "ftp"))
      malformed("only ftp://, ftpes:// and ftps:// addresses are supported");
    rest = url.substr(schemeEnd + 3);
  }

  const std::size_t at = rest.rfind('@');
  if (at != std::string::npos) {
    const std::string userInfo = rest.substr(0, at);
    rest = rest.substr(at + 1);
    const std::size_t colon = userInfo.find(':');
    address.user = userInfo.substr(0, colon);
    if (colon != std::string::npos) address.password = userInfo.substr(colon + 1);
    if (address.user->empty()) malformed("the user name is empty");
  }

  const std::size_t slash = rest.find('/');
  const std::string authority = withIpv6Brackets(rest.substr(0, slash));
  std::string path = slash == std::string::npos ? std::string() : rest.substr(slash);
  while (!path.empty() && path.back() == '/')
    path.pop_back();
  if (authority.empty()) malformed("the host name is missing");
  // libcurl would read these as the start of a query or fragment and drop the rest.
  if (authority.find_first_of("?#") != std::string::npos) malformed("the host name holds a bad character");

  const char* scheme = address.encryption == Encryption::Implicit ? "ftps://" : "ftp://";
  const std::string candidate = scheme + authority + encodePath(path);
  std::unique_ptr<CURLU, UrlHandleDeleter> handle(curl_url());
  if (!handle) throw TransferError(kBadUrl, "Out of memory while checking the URL.");
  if (const CURLUcode rc = curl_url_set(handle.get(), CURLUPART_URL, candidate.c_str(), 0); rc != CURLUE_OK)
    malformed(curl_url_strerror(rc));
  char* hostText = nullptr;
  if (curl_url_get(handle.get(), CURLUPART_HOST, &hostText, 0) != CURLUE_OK)
    malformed("the host name is missing");
  const std::unique_ptr<char, CurlTextDeleter> host(hostText);
  if (std::string_view(host.get()).empty()) malformed("the host name is missing");
  char* portText = nullptr;
  if (curl_url_get(handle.get(), CURLUPART_PORT, &portText, 0) == CURLUE_OK) {
    const std::unique_ptr<char, CurlTextDeleter> port(portText);
    address.port = std::strtol(port.get(), nullptr, 10);
    if (*address.port < 1 || *address.port > 65535) malformed("bad port number");
  }

  address.base = candidate;
  return address;
}

std::string directoryUrl(const FtpAddress& address, const std::string& remotePath) {
  std::string url = address.base + "/" + encodePath(withoutLeadingSlashes(remotePath));
  if (url.back() != '/') url += '/';
  return url;
}

std::string fileUrl(const FtpAddress& address, const std::string& remotePath) {
  const std::string relative = withoutLeadingSlashes(remotePath);
  if (relative.empty() || relative.back() == '/')
    throw TransferError(kBadRequest, "The remote path names no file.");
  return address.base + "/" + encodePath(relative);
}

}  // namespace transfer

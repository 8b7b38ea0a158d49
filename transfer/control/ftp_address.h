// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Turns the address the user typed into the URLs libcurl is given. The
// credentials are kept apart so they never appear in a URL, a log or an error.

#include <optional>
#include <string>

namespace transfer {

// How the connection is protected, from the address's scheme.
enum class Encryption {
  IfOffered,  // ftp:// or none: TLS when the server offers it (AUTH TLS), plain FTP when it does not
  Required,   // ftpes://: explicit TLS or no connection
  Implicit,   // ftps://: TLS from the first byte, port 990 unless the address gives one
};

struct FtpAddress {
  std::string base;  // "ftp://host[:port][/path]" (ftps:// when implicit), no trailing "/", no credentials
  std::optional<std::string> user;  // absent: anonymous
  std::string password;
  std::optional<long> port;  // typed after the host; it wins over the port setting
  Encryption encryption = Encryption::IfOffered;
};

// "ftp://", "ftpes://" or "ftps://" (any case, or none) + optional
// "user:password@" + host + optional ":port" + optional "/path". The user
// information ends at the last "@", the user name at the first ":"; nothing
// is URL-decoded. An IPv6 address typed without brackets gets them (it then
// has no port). Throws TransferError(kBadUrl).
FtpAddress parseFtpAddress(const std::string& url);

// Remote paths are relative to the folder the server logs the user into: a
// leading "/" means that folder, not the server's root.
std::string directoryUrl(const FtpAddress& address, const std::string& remotePath);
// Throws TransferError(kBadRequest) when the path names no file.
std::string fileUrl(const FtpAddress& address, const std::string& remotePath);

}  // namespace transfer

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The servers whose certificate the user chose to trust although the system
// does not: their public keys, by "host:port", in trusted.db beside user.db.

#include <filesystem>
#include <map>
#include <string>

#include "transfer/control/server_certificate.h"
#include "transfer/remote/ftp_window.h"

namespace transfer {

using TrustedKeys = std::map<std::string, std::string>;  // "host:port" -> "sha256//..."

std::filesystem::path trustedKeysFilePath(const FtpWindow& f);

// A missing, unreadable or damaged file, or a damaged line, trusts nothing
// more than what reads back whole.
TrustedKeys loadTrustedKeys(const std::filesystem::path& file);
[[nodiscard]] bool saveTrustedKeys(const std::filesystem::path& file, const TrustedKeys& keys);

// What the certificate question shows: the server, what its certificate
// says, and whether it differs from the one trusted before.
std::string trustQuestion(const RefusedCertificate& refused);

// Shows the question; on OK the key is trusted from then on (for this
// session even when the file cannot be written, which is told). Returns
// whether the user trusted it.
bool askToTrust(FtpWindow& f, const RefusedCertificate& refused);

}  // namespace transfer

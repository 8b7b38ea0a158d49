// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

#include "transfer/remote/ftp_window.h"

namespace transfer {

std::filesystem::path settingsFilePath(const FtpWindow& f);

// Reads the six settings lines; a missing or short file is replaced by the
// defaults.
void loadSettings(FtpWindow& f);
// Writes the six lines; false when the file could not be written.
[[nodiscard]] bool saveSettings(FtpWindow& f);
// The same for a click: a failure is told in a message box naming the file,
// as Exit tells a failed filter save.
void saveSettingsOrTell(FtpWindow& f);

// "user:password@", or nothing for the anonymous user (in any case).
std::string credentials(const FtpWindow& f);
// The scheme the user typed in front of the address ("ftp://", "ftpes://" or
// "ftps://", in any case), "ftp://" when none; the rules below put the
// credentials after it.
std::string typedScheme(const FtpWindow& f);
// The address box less that scheme.
std::string typedAddress(const FtpWindow& f);
// The address of every FTP request: scheme + credentials + typed address.
std::string transferAddress(const FtpWindow& f);
// The address composed at startup: as above, but without "ftp://" when the
// address box already starts with "ftp" in any case.
std::string startupAddress(const FtpWindow& f);
// The address box becomes the server address (less one trailing "/") and the
// connect address; an empty box leaves the server address empty and shows the
// connect address again: false.
[[nodiscard]] bool takeServerAddress(FtpWindow& f);
// The text less one trailing "/".
std::string withoutTrailingSlash(std::string text);

}  // namespace transfer

#pragma once

#include <filesystem>
#include <string>

#include "transfer/local/ftp.h"

namespace transfer {

std::filesystem::path settingsFilePath(const FTP& f);

// Reads the six settings lines; a missing or short file is replaced by the
// defaults.
void loadSettings(FTP& f);
// Writes the six lines; false when the file could not be written.
bool saveSettings(FTP& f);

// "user:password@", or nothing for the anonymous user (in any case).
std::string credentials(const FTP& f);
// The address of every FTP request: "ftp://" + credentials + address box.
std::string transferAddress(const FTP& f);
// The address composed at startup: as above, but without "ftp://" when the
// address box already starts with "ftp" in any case.
std::string startupAddress(const FTP& f);
// The text less one trailing "/".
std::string withoutTrailingSlash(std::string text);

// Click of Command6, "Change" beside the address box.
void command6Click(FTP& f);

}  // namespace transfer

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the progress bar tells in words while a download or upload runs.

#include <chrono>
#include <string>

#include "transfer/remote/ftp_window.h"

namespace transfer {

// The bar's tooltip when no file is under way.
inline constexpr const char* kEscStops = "Esc stops the transfer.";

// The file under way and the run's count of files.
struct FileProgress {
  std::string name;  // as the user knows it, a folder's files with the folder in front
  int done = 0;      // files finished so far, arrived or not
  int total = 0;     // files of the selection known so far
  std::chrono::steady_clock::time_point started;
};

// "1.5 MB/s", "12.0 KB/s", "300 B/s".
std::string speedText(double bytesPerSecond);

// The bar's text, "2 of 5: 42%, 1.5 MB/s" (the share left out while the
// file's size is not known), and its tooltip: the file's name, the same
// figures and how Esc stops the transfer.
void showFileProgress(FtpWindow& f, const FileProgress& file);

// Back to the bar without text, its tooltip saying how Esc stops.
void clearFileProgress(FtpWindow& f);

}  // namespace transfer

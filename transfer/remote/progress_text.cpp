// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/remote/progress_text.h"

#include <cmath>
#include <cstdio>

#include "transfer/control/inet.h"
#include "transfer/remote/remote_name.h"
#include "transfer/remote/transfer_steps.h"

namespace transfer {
namespace {

std::string oneDecimal(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

}  // namespace

std::string speedText(double bytesPerSecond) {
  if (!std::isfinite(bytesPerSecond) || bytesPerSecond < 0) bytesPerSecond = 0;
  if (bytesPerSecond >= 1024.0 * 1024.0) return oneDecimal(bytesPerSecond / (1024.0 * 1024.0)) + " MB/s";
  if (bytesPerSecond >= 1024.0) return oneDecimal(bytesPerSecond / 1024.0) + " KB/s";
  return std::to_string(static_cast<long long>(bytesPerSecond)) + " B/s";
}

void showFileProgress(FtpWindow& f, const FileProgress& file) {
  const double seconds = std::chrono::duration<double>(f.steadyNow() - file.started).count();
  const auto moved = static_cast<double>(f.Inet1->BytesTransferred());
  const std::string speed = speedText(seconds > 0 ? moved / seconds : 0);
  std::string share;
  if (f.Inet1->BytesToTransfer() > 0) share = std::to_string(static_cast<int>(requestShare(f) * 100)) + "%, ";
  const std::string count = std::to_string(file.done + 1) + " of " + std::to_string(file.total);
  f.ProgressBar1.caption = count + ": " + share + speed;
  f.ProgressBar1.toolTip =
      printableName(file.name) + ": " + share + speed + " (file " + count + ")\n" + kEscStops;
}

void clearFileProgress(FtpWindow& f) {
  f.ProgressBar1.caption.clear();
  f.ProgressBar1.toolTip = kEscStops;
}

}  // namespace transfer

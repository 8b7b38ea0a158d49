// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/remote/transfer_steps.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "transfer/control/inet.h"
#include "transfer/remote/certificate_trust.h"
#include "transfer/remote/connection_settings.h"

namespace transfer {
namespace {

constexpr int kFtp = 2;
constexpr int kText = 0;
constexpr long kChunk = 500000;

// "user:secret@host" becomes "user:***@host"; the user information ends at
// the last "@", as the transfer control reads it.
std::string maskedUserInfo(const std::string& address) {
  const std::size_t scheme = address.find("://");
  const std::size_t start = scheme == std::string::npos ? 0 : scheme + 3;
  const std::size_t at = address.rfind('@');
  if (at == std::string::npos || at < start) return address;
  const std::size_t colon = address.find(':', start);
  if (colon == std::string::npos || colon > at) return address;
  return address.substr(0, colon + 1) + "***" + address.substr(at);
}

}  // namespace

void prepareControl(FtpWindow& f) {
  f.Inet1->RemotePort =
      f.settings.port >= 0 && f.settings.port <= 65535 ? static_cast<int>(f.settings.port) : -1;
  f.Inet1->Protocol = kFtp;
  // Keys trusted in this session stay, also when the file could not take them.
  for (const auto& [server, pin] : loadTrustedKeys(trustedKeysFilePath(f)))
    f.Inet1->TrustedKeys.try_emplace(server, pin);
}

std::string addressForMessages(const FtpWindow& f) {
  const std::string login = credentials(f).empty() ? "" : f.settings.userName + ":***@";
  return typedScheme(f) + login + maskedUserInfo(typedAddress(f));
}

RequestResult runRequest(FtpWindow& f, const std::string& url, const std::string& operation,
                         const Trap& trap) {
  bool sent = false;
  int repeats = 0;
  while (true) {
    if (!sent && f.run.stopRequested) return {RequestEnd::Stopped, 0, {}};
    try {
      if (!sent) {
        f.Inet1->Execute(url, operation);
        sent = true;
      }
      // Raises the busy signal while the request runs, then its failure.
      f.Inet1->GetChunk(0, kText);
      return {RequestEnd::Done, 0, {}};
    } catch (const TransferError& error) {
      if (trap.onError) trap.onError();
      if (error.number == kStillExecuting) {
        Hold(f, 1);
        continue;
      }
      if (error.number == kBadUrl) return {RequestEnd::BadUrl, error.number, error.reason};
      if (f.run.stopRequested) return {RequestEnd::Stopped, error.number, error.reason};
      // A certificate is the user's question, asked once: repeating would
      // only ask again.
      if (const auto refused = f.Inet1->RefusedCertificate(); refused && error.number == kCannotConnect) {
        if (!askToTrust(f, *refused)) return {RequestEnd::Refused, error.number, error.reason};
        sent = false;
        continue;
      }
      if (repeats == kMaxRepeats) return {RequestEnd::Failed, error.number, error.reason};
      if (trap.mayRepeat && !trap.mayRepeat(error.number))
        return {RequestEnd::Refused, error.number, error.reason};
      ++repeats;
      sent = false;
      // The failed request's own end event must not cut the wait short.
      f.host.doEvents();
      Hold(f, 1);
    }
  }
}

double requestShare(const FtpWindow& f) {
  const long long expected = f.Inet1->BytesToTransfer();
  if (expected <= 0) return 0;
  return std::clamp(static_cast<double>(f.Inet1->BytesTransferred()) / static_cast<double>(expected), 0.0,
                    1.0);
}

std::string readListing(FtpWindow& f) {
  std::string listing;
  try {
    for (std::string chunk = f.Inet1->GetChunk(kChunk, kText); !chunk.empty();
         chunk = f.Inet1->GetChunk(kChunk, kText))
      listing += chunk;
  } catch (const TransferError&) {
    // Only a request started by someone else gets here; the listing read so far stands.
  }
  return listing;
}

void ensureLocalFolder(FtpWindow& f) {
  std::error_code error;
  if (std::filesystem::is_directory(f.Text1.text(), error)) return;
  std::filesystem::create_directories(f.defaultFolder, error);
  f.Text1.setText(f.defaultFolder);
}

bool isSelected(const std::vector<bool>& selected, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < selected.size() &&
         selected[static_cast<std::size_t>(index)];
}

void beginRun(FtpWindow& f) {
  if (!f.run.ending) f.run.stopRequested = false;
}

TransferButtonsOff::TransferButtonsOff(FtpWindow& f) {
  for (Control* button :
       {&f.Command1, &f.Command3, &f.Command4, &f.Command8, &f.Command2, &f.Command6, &f.Command7}) {
    saved_.emplace_back(button, button->enabled);
    button->enabled = false;
  }
  // Exit and the picture stay: they end the program, transfer or not.
  for (MenuItem* item : {&f.mnuItemChangeLocal, &f.mnuItemUserSettings, &f.mnuItemSaveList,
                         &f.mnuItemUserManual, &f.mnuItemAbout}) {
    savedItems_.emplace_back(item, item->enabled);
    item->enabled = false;
  }
}

TransferButtonsOff::~TransferButtonsOff() {
  for (auto [button, enabled] : saved_)
    button->enabled = enabled;
  for (auto [item, enabled] : savedItems_)
    item->enabled = enabled;
}

}  // namespace transfer

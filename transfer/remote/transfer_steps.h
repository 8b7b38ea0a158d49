// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Steps that browse, download and upload share: readying the transfer
// control, running one request under the error trap, reading a listing, the
// local folder, and keeping the window's other transfer buttons still while
// a transfer runs.

#include <functional>
#include <string>
#include <vector>

#include "transfer/control/transfer_error.h"
#include "transfer/remote/ftp_window.h"

namespace transfer {

// A failing step other than the busy signal is repeated at most this often.
constexpr int kMaxRepeats = 3;

// RemotePort from the port setting (a port outside 0-65535 makes the control
// refuse the URL), Protocol 2 (FTP).
void prepareControl(FtpWindow& f);

// "ftp://" + credentials + address box, as messages show it: every password
// reads "***".
std::string addressForMessages(const FtpWindow& f);

// What the error trap does with a request's errors.
struct Trap {
  // Runs at every error, the busy signal included, before the trap waits.
  std::function<void()> onError;
  // Asked for an error other than the busy signal and a bad URL, while
  // repeats are left: whether to wait and repeat the request.
  std::function<bool(int error)> mayRepeat;
};

enum class RequestEnd {
  Done,     // the request succeeded
  BadUrl,   // the control refused the address
  Refused,  // mayRepeat said no
  Failed,   // still failing after kMaxRepeats repeats
  Stopped,  // Esc or the end of the program came first; nothing of it is kept
};

struct RequestResult {
  RequestEnd end = RequestEnd::Done;
  int error = 0;       // the last error number, 0 when done
  std::string reason;  // the last error in a user's words; may be empty
};

// Hands the operation to the control and waits until the request has ended.
// The busy signal waits with Hold(1) and tries again for as long as the
// request runs (the control's own time-outs end every request); any other
// error repeats the whole request, one Hold(1) each, at most kMaxRepeats
// times. Once a stop is requested nothing is sent or repeated, and the
// running request is awaited, which the stop has cancelled.
[[nodiscard]] RequestResult runRequest(FtpWindow& f, const std::string& url, const std::string& operation,
                                       const Trap& trap);

// The share of its bytes the running (or last) request has moved, 0 to 1; 0
// while the size is not known.
double requestShare(const FtpWindow& f);

// Everything the control holds of the last DIR's listing.
std::string readListing(FtpWindow& f);

// The local folder of a transfer: when Text1 names no folder, the default
// folder is made if missing and Text1 names it.
void ensureLocalFolder(FtpWindow& f);

// Whether entry `index` of a list's selection flags is selected; flags
// missing at the end read as not selected.
bool isSelected(const std::vector<bool>& selected, int index);

// A click that runs requests starts without an earlier Esc pending.
void beginRun(FtpWindow& f);

// Disables, while a transfer runs, the buttons that list or transfer and the
// buttons and menu items that open a dialog or message box, and gives them
// back their state when it ends. The window goes on handling its events
// during the transfer's waits, so without this a second click could start a
// transfer inside the first or change the list it walks, and a modal dialog
// would hold the transfer's wait until it closed: the wait runs below the
// dialog's own event loop.
class TransferButtonsOff {
 public:
  explicit TransferButtonsOff(FtpWindow& f);
  ~TransferButtonsOff();
  TransferButtonsOff(const TransferButtonsOff&) = delete;
  TransferButtonsOff& operator=(const TransferButtonsOff&) = delete;

 private:
  std::vector<std::pair<Control*, bool>> saved_;
  std::vector<std::pair<MenuItem*, bool>> savedItems_;
};

}  // namespace transfer

// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "remote_fixture.h"
#include "support/row_name.h"
#include "transfer/local/filter_file.h"

namespace transfer::testing {
namespace {

using Names = std::vector<std::string>;

// How the user stops a run: Esc, the window's close button (the desktop's
// close request reaches the form as its query-unload), or File > Exit.
enum class Stop { Esc, CloseWindow, Exit };

struct StopCase {
  std::string name;
  bool upload;
  Stop stop;
};

void PrintTo(const StopCase& row, std::ostream* out) {
  *out << row.name;
}

constexpr std::size_t kBig = 4 << 20;

class StopTest : public RemoteFtpTest, public ::testing::WithParamInterface<StopCase> {
 protected:
  // Stops the run once the first file is partly moved: the server pauses
  // after 256 KB, so the stop surely comes in the middle of it.
  void stopMidFile() {
    const auto wait = host.onWait;
    host.onWait = [this, wait] {
      if (!stopped_ && f.Inet1->BytesTransferred() > 0 &&
          f.Inet1->BytesTransferred() < static_cast<long long>(kBig)) {
        stopped_ = true;
        partFileSeen_ = std::any_of(
            fs::directory_iterator(local_), fs::directory_iterator(),
            [](const auto& entry) { return entry.path().filename().string().starts_with(".big.bin.part-"); });
        switch (GetParam().stop) {
          case Stop::Esc:
            f.onEscape();
            break;
          case Stop::CloseWindow:
            closeAllowed_ = f.onQueryUnload && f.onQueryUnload();
            break;
          case Stop::Exit:
            f.mnuItemExit.click();
            break;
        }
      }
      wait();
    };
  }

  bool stopped_ = false;
  bool partFileSeen_ = false;
  bool closeAllowed_ = false;
};

TEST_P(StopTest, TheFileUnderWayIsAbandonedAtOnceAndNothingFurtherStarts) {
  const StopCase& row = GetParam();
  const fs::path from = row.upload ? local_ : server_;
  const fs::path to = row.upload ? server_ : local_;
  write(from / "big.bin", binary(kBig));
  write(from / "a.txt", "a");
  write(from / "b.txt", "b");
  write(to / "big.bin", "older copy");
  startServer({.logTransfers = true, .pauseAfterBytes = 1 << 18});
  f.Command4.click();
  if (row.upload) f.Command8.click();
  f.List1.items = {"big.bin", "a.txt", "b.txt"};
  select(f.List1.items);
  stopMidFile();

  (row.upload ? f.Command3 : f.Command1).click();
  ASSERT_TRUE(stopped_) << "the stop came before the file was under way";
  EXPECT_EQ(ftpServer_->count(row.upload ? "stor a.txt" : "retr a.txt"), 0) << "nothing further started";
  EXPECT_FALSE(fs::exists(to / "a.txt"));
  if (row.upload) {
    EXPECT_LT(fs::file_size(to / "big.bin"), kBig) << "the upload went on to the end";
  } else {
    EXPECT_TRUE(partFileSeen_) << "the download had not begun to write";
    EXPECT_EQ(namesIn(to), Names{"big.bin"}) << "the partial file is left";
    EXPECT_EQ(read(to / "big.bin"), "older copy");
  }
  EXPECT_FALSE(f.ProgressBar1.visible);
  if (row.stop == Stop::Esc) {
    EXPECT_EQ(host.messages, Names{"Stopped.\n0 of 3 files were copied.\nThese files were not copied:\n"
                                   "big.bin: stopped\na.txt: not tried\nb.txt: not tried"});
    EXPECT_EQ(host.endRequests, 0);
    EXPECT_TRUE(f.Command1.enabled && f.Command3.enabled && f.Command4.enabled && f.Command8.enabled);
  } else {
    EXPECT_EQ(host.messages, Names{});
    EXPECT_EQ(host.endRequests, 1);
  }
  if (row.stop == Stop::CloseWindow) {
    EXPECT_TRUE(closeAllowed_);
    EXPECT_FALSE(fs::exists(filterFilePath(f))) << "closing the window saves no filters";
  }
}

// After Esc a new click starts afresh and fetches everything.
class EscThenClickTest : public StopTest {};

TEST_P(EscThenClickTest, ANewClickStartsAfresh) {
  const StopCase& row = GetParam();
  const fs::path from = row.upload ? local_ : server_;
  const fs::path to = row.upload ? server_ : local_;
  write(from / "big.bin", binary(kBig));
  write(from / "a.txt", "a");
  startServer({.pauseAfterBytes = 1 << 18});
  f.Command4.click();
  if (row.upload) f.Command8.click();
  f.List1.items = {"big.bin", "a.txt"};
  select(f.List1.items);
  const auto wait = host.onWait;
  stopMidFile();
  (row.upload ? f.Command3 : f.Command1).click();
  ASSERT_TRUE(stopped_);

  host.onWait = wait;
  host.messages.clear();
  (row.upload ? f.Command3 : f.Command1).click();
  EXPECT_EQ(host.messages, Names{"Operation Complete."});
  EXPECT_EQ(read(to / "big.bin"), binary(kBig));
  EXPECT_EQ(read(to / "a.txt"), "a");
}

INSTANTIATE_TEST_SUITE_P(Ways, StopTest,
                         ::testing::Values(StopCase{"EscDuringADownload", false, Stop::Esc},
                                           StopCase{"EscDuringAnUpload", true, Stop::Esc},
                                           StopCase{"WindowClosedDuringADownload", false, Stop::CloseWindow},
                                           StopCase{"WindowClosedDuringAnUpload", true, Stop::CloseWindow},
                                           StopCase{"ExitDuringADownload", false, Stop::Exit},
                                           StopCase{"ExitDuringAnUpload", true, Stop::Exit}),
                         testing_support::RowName());

INSTANTIATE_TEST_SUITE_P(Directions, EscThenClickTest,
                         ::testing::Values(StopCase{"Download", false, Stop::Esc},
                                           StopCase{"Upload", true, Stop::Esc}),
                         testing_support::RowName());

}  // namespace
}  // namespace transfer::testing

// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/remote/list_keys.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "support/row_name.h"
#include "transfer/ftp_fixture.h"
#include "transfer/remote/browse.h"

namespace transfer::testing {
namespace {

enum class Key { Open, Back };
enum class Side { Server, Local, NetworkDrive };

struct KeyCase {
  std::string name;
  Side side;
  Key key;
  int current;       // entry of {"... go up", "pub/", "a.txt"} that is current, -1 for none
  bool busy;         // a transfer runs: "Set Remote Directory" is off
  bool browses;      // "Set Remote Directory" is clicked
  int currentAfter;  // the entry current at that click (or at the end)
};

void PrintTo(const KeyCase& row, std::ostream* out) {
  *out << row.name;
}

class ListKeysTest : public FtpTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ListKeysTest, DoWhatSetRemoteDirectoryDoesWithTheEntry) {
  const KeyCase& row = GetParam();
  start();
  f.List1.items = {kGoUp, "pub/", "a.txt"};
  f.List1.listIndex = row.current;
  f.remote.remoteDepth = 1;
  f.run.listShowsLocal = row.side == Side::Local;
  if (row.side == Side::NetworkDrive) f.Label1.caption = FtpWindow::kNetworkMode;
  f.Command4.enabled = !row.busy;
  int browsed = 0;
  int currentAtClick = -2;
  f.Command4.onClick = [&] {
    ++browsed;
    currentAtClick = f.List1.listIndex;
  };

  (row.key == Key::Open ? openCurrentEntry : goUpOneLevel)(f);
  EXPECT_EQ(browsed, row.browses ? 1 : 0);
  EXPECT_EQ(row.browses ? currentAtClick : f.List1.listIndex, row.currentAfter);
  EXPECT_TRUE(host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ListKeysTest,
    ::testing::Values(
        KeyCase{"OpenAFolder", Side::Server, Key::Open, 1, false, true, 1},
        KeyCase{"OpenGoUp", Side::Server, Key::Open, 0, false, true, 0},
        KeyCase{"OpenAFileDoesNothing", Side::Server, Key::Open, 2, false, false, 2},
        KeyCase{"OpenNothingCurrent", Side::Server, Key::Open, -1, false, false, -1},
        KeyCase{"OpenInTheLocalListDoesNothing", Side::Local, Key::Open, 1, false, false, 1},
        KeyCase{"OpenInNetworkDriveModeDoesNothing", Side::NetworkDrive, Key::Open, 1, false, false, 1},
        KeyCase{"OpenDuringATransferDoesNothing", Side::Server, Key::Open, 1, true, false, 1},
        KeyCase{"BackspaceGoesUp", Side::Server, Key::Back, 2, false, true, 0},
        KeyCase{"BackspaceInTheLocalListDoesNothing", Side::Local, Key::Back, 2, false, false, 2},
        KeyCase{"BackspaceDuringATransferDoesNothing", Side::Server, Key::Back, 2, true, false, 2}),
    testing_support::RowName());

TEST_F(FtpTest, BackspaceAtTheStartFolderDoesNothing) {
  start();
  f.List1.items = {"pub/", "a.txt"};
  f.List1.listIndex = 1;
  int browsed = 0;
  f.Command4.onClick = [&] { ++browsed; };
  goUpOneLevel(f);
  EXPECT_EQ(browsed, 0);
  EXPECT_EQ(f.List1.listIndex, 1);
}

}  // namespace
}  // namespace transfer::testing

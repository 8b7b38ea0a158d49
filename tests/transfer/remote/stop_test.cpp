// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "remote_fixture.h"
#include "support/row_name.h"

namespace transfer::testing {
namespace {

using Names = std::vector<std::string>;

struct DirectionCase {
  std::string name;
  bool upload;
};

void PrintTo(const DirectionCase& row, std::ostream* out) {
  *out << row.name;
}

class StopTest : public RemoteFtpTest, public ::testing::WithParamInterface<DirectionCase> {};

TEST_P(StopTest, EscEndsTheRunAfterTheCurrentFile) {
  const bool upload = GetParam().upload;
  const fs::path from = upload ? local_ : server_;
  const fs::path to = upload ? server_ : local_;
  write(from / "big.bin", binary(1 << 20));
  write(from / "a.txt", "a");
  write(from / "b.txt", "b");
  // The first file pauses midway, so Esc surely comes while it runs.
  startServer({.pauseAfterBytes = 1 << 18});
  f.Command4.click();
  if (upload) f.Command8.click();
  ASSERT_EQ(f.List1.listCount(), 3);
  f.List1.items = {"big.bin", "a.txt", "b.txt"};
  select(f.List1.items);
  const auto wait = host.onWait;
  host.onWait = [&] {
    if (f.onEscape) f.onEscape();
    wait();
  };

  (upload ? f.Command3 : f.Command1).click();
  EXPECT_EQ(host.messages, Names{"Stopped."});
  EXPECT_EQ(namesIn(to), Names{"big.bin"});
  EXPECT_EQ(read(to / "big.bin"), binary(1 << 20));
  EXPECT_FALSE(f.ProgressBar1.visible);
  EXPECT_TRUE(f.Command1.enabled && f.Command3.enabled && f.Command4.enabled && f.Command8.enabled);

  host.onWait = wait;  // a new click starts afresh
  host.messages.clear();
  (upload ? f.Command3 : f.Command1).click();
  EXPECT_EQ(host.messages, Names{"Operation Complete."});
  EXPECT_EQ(namesIn(to), (Names{"a.txt", "b.txt", "big.bin"}));
}

// The program ends once the running file is whole; the rest is not started.
TEST_P(StopTest, ExitEndsTheRunAfterTheCurrentFileWithoutAWord) {
  const bool upload = GetParam().upload;
  const fs::path from = upload ? local_ : server_;
  const fs::path to = upload ? server_ : local_;
  write(from / "big.bin", binary(1 << 20));
  write(from / "a.txt", "a");
  startServer({.pauseAfterBytes = 1 << 18});
  f.Command4.click();
  if (upload) f.Command8.click();
  f.List1.items = {"big.bin", "a.txt"};
  select(f.List1.items);
  const auto wait = host.onWait;
  host.onWait = [&] {
    if (host.endRequests == 0) f.mnuItemExit.click();
    wait();
  };

  (upload ? f.Command3 : f.Command1).click();
  EXPECT_EQ(host.endRequests, 1);
  EXPECT_EQ(host.messages, Names{});
  EXPECT_EQ(namesIn(to), Names{"big.bin"});
  EXPECT_EQ(read(to / "big.bin"), binary(1 << 20));
}

INSTANTIATE_TEST_SUITE_P(Directions, StopTest,
                         ::testing::Values(DirectionCase{"Download", false}, DirectionCase{"Upload", true}),
                         testing_support::RowName());

}  // namespace
}  // namespace transfer::testing

// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "remote_fixture.h"
#include "support/row_name.h"

namespace transfer::testing {
namespace {

// Larger than the sockets' buffers together, so the pause midway shows.
constexpr std::size_t kBig = 8 * 1024 * 1024;

struct DirectionCase {
  std::string name;
  bool upload;
};

void PrintTo(const DirectionCase& row, std::ostream* out) {
  *out << row.name;
}

class ProgressBarTest : public RemoteFtpTest, public ::testing::WithParamInterface<DirectionCase> {};

TEST_P(ProgressBarTest, MovesWhileOneLargeFileIsTransferred) {
  const bool upload = GetParam().upload;
  const fs::path from = upload ? local_ : server_;
  write(from / "big.bin", binary(kBig));
  write(from / "small.txt", "small");
  startServer({.pauseAfterBytes = kBig / 8});
  f.Command4.click();
  if (upload) f.Command8.click();
  // Upload's bar reads 100 from the last entry on, so the big file comes first.
  ASSERT_EQ(f.List1.listCount(), 2);
  f.List1.items = {"big.bin", "small.txt"};
  select({"big.bin", "small.txt"});
  std::vector<int> bar;
  std::vector<std::string> texts, tips;
  const auto wait = host.onWait;
  host.onWait = [&] {
    bar.push_back(f.ProgressBar1.progress);
    texts.push_back(f.ProgressBar1.caption);
    tips.push_back(f.ProgressBar1.toolTip);
    wait();
  };

  (upload ? f.Command3 : f.Command1).click();
  ASSERT_EQ(host.messages, std::vector<std::string>{"Operation Complete."});
  EXPECT_EQ(read((upload ? server_ : local_) / "big.bin"), binary(kBig));
  EXPECT_TRUE(std::is_sorted(bar.begin(), bar.end()));
  EXPECT_TRUE(std::all_of(bar.begin(), bar.end(), [](int value) { return value >= 0 && value <= 100; }));
  // Between entries the bar stands at 0, 50 or 100; only bytes move it in between.
  EXPECT_TRUE(std::any_of(bar.begin(), bar.end(), [](int value) { return value % 50 != 0; }))
      << "the bar stood still during the large file";
  // In words: which file of how many, its share and the speed; the tooltip names it and how to stop.
  const auto during = std::find_if(texts.begin(), texts.end(), [](const std::string& text) {
    return text.starts_with("1 of 2: ") && text.find("%, ") != std::string::npos && text.ends_with("B/s");
  });
  ASSERT_NE(during, texts.end()) << "no text told the large file's share";
  const std::string& tip = tips[static_cast<std::size_t>(during - texts.begin())];
  EXPECT_TRUE(tip.starts_with("big.bin: ")) << tip;
  EXPECT_TRUE(tip.ends_with("(file 1 of 2)\nEsc stops the transfer.")) << tip;
  EXPECT_EQ(f.ProgressBar1.caption, "") << "the text outlived the transfer";
  EXPECT_EQ(f.ProgressBar1.toolTip, "Esc stops the transfer.");
}

INSTANTIATE_TEST_SUITE_P(Directions, ProgressBarTest,
                         ::testing::Values(DirectionCase{"Download", false}, DirectionCase{"Upload", true}),
                         testing_support::RowName());

}  // namespace
}  // namespace transfer::testing

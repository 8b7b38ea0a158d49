// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/remote/upload.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "remote_fixture.h"
#include "support/row_name.h"

namespace transfer::testing {
namespace {

using Names = std::vector<std::string>;

class UploadTest : public RemoteFtpTest {
 protected:
  // Lists the local folder, as "Local Directory of Files" does, and selects `names`.
  void listLocalAndSelect(const Names& names) {
    f.Command8.click();
    ASSERT_TRUE(f.run.listShowsLocal);
    select(names);
  }

  // Keeps the bar's value at every wait of the run in bar_.
  void recordBar() {
    const auto wait = host.onWait;
    host.onWait = [this, wait] {
      bar_.push_back(f.ProgressBar1.progress);
      wait();
    };
  }

  std::vector<int> bar_;
};

struct SelectionCase {
  std::string name;
  bool intoPub;
  Names selection;
  std::string message;
  Names sent;
};

void PrintTo(const SelectionCase& row, std::ostream* out) {
  *out << row.name;
}

class UploadSelectionTest : public UploadTest, public ::testing::WithParamInterface<SelectionCase> {};

TEST_P(UploadSelectionTest, SendsTheSelectionToTheCurrentRemoteDirectory) {
  const SelectionCase& row = GetParam();
  fs::create_directories(server_ / "pub");
  write(local_ / "one.txt", "one");
  write(local_ / "two.bin", binary(50000));
  write(local_ / "three.txt", "");
  write(local_ / "with blank.txt", "wb");
  write(local_ / "x y.txt", "xy");
  write(local_ / "left.txt", "left");
  startServer();
  f.Command4.click();
  if (row.intoPub) browseFrom("pub/");
  listLocalAndSelect(row.selection);
  recordBar();

  f.Command3.click();
  EXPECT_EQ(host.messages, Names{row.message});
  const fs::path target = row.intoPub ? server_ / "pub" : server_;
  Names expected = row.sent;
  if (!row.intoPub) expected.push_back("pub/");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(namesIn(target), expected);
  for (const std::string& name : row.sent)
    EXPECT_EQ(read(target / name), read(local_ / name)) << name;
  EXPECT_EQ(f.Text2.text(), row.intoPub ? "/pub/" : "");
  EXPECT_FALSE(f.ProgressBar1.visible);
  EXPECT_TRUE(f.Command1.enabled && f.Command3.enabled && f.Command4.enabled && f.Command8.enabled);
  EXPECT_TRUE(std::is_sorted(bar_.begin(), bar_.end()));
  EXPECT_TRUE(std::all_of(bar_.begin(), bar_.end(), [](int value) { return value >= 0 && value <= 100; }));
}

INSTANTIATE_TEST_SUITE_P(
    Selections, UploadSelectionTest,
    ::testing::Values(SelectionCase{"TwoBlankNames",
                                    true,
                                    {"one.txt", "with blank.txt", "two.bin", "x y.txt", "three.txt"},
                                    " 2 files had blanks in their names and were not copied.",
                                    {"one.txt", "three.txt", "two.bin"}},
                      SelectionCase{
                          "IntoTheStartDirectory", false, {"one.txt"}, "Operation Complete.", {"one.txt"}},
                      SelectionCase{"NothingSelected", true, {}, "No Files Selected or Copied.", {}}),
    testing_support::RowName());

enum class Fault { LocalFileGone, RemoteNameIsAFolder };

struct FailureCase {
  std::string name;
  Fault fault;
  std::string report;
  long requests;  // STOR commands the server saw for b.txt
};

void PrintTo(const FailureCase& row, std::ostream* out) {
  *out << row.name;
}

class UploadFailureTest : public UploadTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(UploadFailureTest, ReportsTheFileInPlaceOfTheClosingMessageAndGoesOn) {
  const FailureCase& row = GetParam();
  for (const char* name : {"a.txt", "b.txt", "c.txt"})
    write(local_ / name, name);
  startServer({.logTransfers = true});
  f.Command4.click();
  listLocalAndSelect({"a.txt", "b.txt", "c.txt"});
  if (row.fault == Fault::LocalFileGone) fs::remove(local_ / "b.txt");
  if (row.fault == Fault::RemoteNameIsAFolder) fs::create_directories(server_ / "b.txt");

  f.Command3.click();
  EXPECT_EQ(host.messages, Names{"2 of 3 files were copied.\nThese files were not copied:\n" + row.report});
  EXPECT_EQ(ftpServer_->count("stor b.txt"), row.requests);
  EXPECT_GE(ticks_, 3) << "each repeat waits for the timer";
  EXPECT_EQ(read(server_ / "a.txt"), "a.txt");
  EXPECT_EQ(read(server_ / "c.txt"), "c.txt");
  EXPECT_FALSE(fs::is_regular_file(server_ / "b.txt"));
}

INSTANTIATE_TEST_SUITE_P(Faults, UploadFailureTest,
                         ::testing::Values(FailureCase{"LocalFileGone", Fault::LocalFileGone,
                                                       "b.txt: the local file cannot be read or written", 0},
                                           FailureCase{
                                               "RemoteNameIsAFolder", Fault::RemoteNameIsAFolder,
                                               "b.txt: the server refused the file (permission denied)", 4}),
                         testing_support::RowName());

}  // namespace
}  // namespace transfer::testing

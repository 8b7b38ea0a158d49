// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/remote/download.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "remote_fixture.h"
#include "support/row_name.h"
#include "transfer/remote/browse.h"

namespace transfer::testing {
namespace {

using Names = std::vector<std::string>;

class DownloadTest : public RemoteFtpTest {
 protected:
  void expectIdleWindow() {
    EXPECT_FALSE(f.ProgressBar1.visible);
    EXPECT_TRUE(f.Command1.enabled && f.Command3.enabled && f.Command4.enabled && f.Command8.enabled);
  }
};

struct SelectionCase {
  std::string name;
  Names selection;
  std::string message;
  Files local;  // besides one.txt, which reads "old" unless fetched
};

void PrintTo(const SelectionCase& row, std::ostream* out) {
  *out << row.name;
}

class DownloadSelectionTest : public DownloadTest, public ::testing::WithParamInterface<SelectionCase> {};

TEST_P(DownloadSelectionTest, FetchesTheSelectionIntoTheLocalFolder) {
  const SelectionCase& row = GetParam();
  write(server_ / "pub" / "one.txt", "one");
  write(server_ / "pub" / "two.bin", binary(70000));
  write(server_ / "pub" / "three.txt", "");
  write(server_ / "pub" / "with blank.txt", "wb");
  write(server_ / "pub" / "other blank.txt", "ob");
  write(server_ / "pub" / "tree" / "a.txt", "ta");
  write(server_ / "pub" / "tree" / "b c.txt", "tbc");
  write(server_ / "pub" / "tree" / "inner" / "deep.txt", "deep");
  write(server_ / "pub" / "tree" / "inner" / "more" / "x.bin", binary(3000));
  fs::create_directories(server_ / "pub" / "tree" / "empty");
  write(local_ / "one.txt", "old");
  startServer();
  f.Command4.click();
  browseFrom("pub/");
  select(row.selection);

  f.Command1.click();
  EXPECT_EQ(host.messages, Names{row.message});
  Files expected = row.local;
  if (!expected.contains("one.txt")) expected["one.txt"] = "old";
  EXPECT_EQ(filesBelow(local_), expected);
  EXPECT_EQ(f.Text2.text(), "/pub/");
  EXPECT_EQ(f.remote.connectUrl, "ftp://tester:p@ss:word@127.0.0.1");
  expectIdleWindow();
}

INSTANTIATE_TEST_SUITE_P(
    Selections, DownloadSelectionTest,
    ::testing::Values(SelectionCase{"TwoBlankNames",
                                    {"one.txt", "with blank.txt", "two.bin", "other blank.txt", "three.txt"},
                                    " 2 files had blanks in the names and were not copied.",
                                    {{"one.txt", "one"}, {"two.bin", binary(70000)}, {"three.txt", ""}}},
                      SelectionCase{"NothingSelected", {}, "No Files Selected or Copied.", {}},
                      SelectionCase{
                          "GoUpIsNoFile", {kGoUp, "one.txt"}, "Operation Complete.", {{"one.txt", "one"}}},
                      SelectionCase{"AFolderWithItsSubFolders",
                                    {"tree/"},
                                    " 1 files had blanks in the names and were not copied.",
                                    {{"tree/", ""},
                                     {"tree/a.txt", "ta"},
                                     {"tree/empty/", ""},
                                     {"tree/inner/", ""},
                                     {"tree/inner/deep.txt", "deep"},
                                     {"tree/inner/more/", ""},
                                     {"tree/inner/more/x.bin", binary(3000)}}}),
    testing_support::RowName());

TEST_F(DownloadTest, AMissingLocalFolderGivesWayToTheDefaultFolder) {
  write(server_ / "a.txt", "a");
  write(root_ / "plain-file", "");
  startServer();
  f.Text1.setText((root_ / "plain-file").string());
  f.Command4.click();
  select({"a.txt"});
  f.Command1.click();
  EXPECT_EQ(host.messages, Names{"Operation Complete."});
  EXPECT_EQ(f.Text1.text(), downloads_.string());
  EXPECT_EQ(read(downloads_ / "a.txt"), "a");
}

TEST_F(DownloadTest, AFolderIsFetchedToThirtyTwoLevelsAtMost) {
  constexpr int kLevels = 34;
  fs::path folder = server_;
  for (int level = 1; level <= kLevels; ++level) {
    folder /= "d";
    write(folder / "f.txt", std::to_string(level));
  }
  startServer();
  f.Command4.click();
  select({"d/"});
  f.Command1.click();

  std::string levels;
  for (int level = 1; level <= 33; ++level)
    levels += "d/";
  EXPECT_EQ(host.messages, Names{"32 of 33 files were copied.\nThese files were not copied:\n" + levels +
                                 ": more than 32 levels deep"});
  fs::path local = local_;
  for (int level = 1; level <= 32; ++level) {
    local /= "d";
    EXPECT_EQ(read(local / "f.txt"), std::to_string(level));
  }
  EXPECT_FALSE(fs::exists(local / "d"));
  expectIdleWindow();
}

TEST_F(DownloadTest, NamesThatAreNoPlainNamesNeverReachARequestOrAPath) {
  // Were "../x" or "/etc/passwd" fetched, the server would find these.
  write(server_ / "x", "escaped");
  write(server_ / "etc" / "passwd", "escaped");
  write(server_ / "evil" / "ok.txt", "ok");
  write(server_ / "evil" / ".extra-listing",
        "type=file;size=7; ../x\n"
        "type=file;size=7; /etc/passwd\n"
        "type=file;size=7; a/b\n"
        "type=dir;size=0; ..\n"
        "type=dir;size=0; ../etc\n"
        "type=file;size=7; ..\\x\n"
        "type=file;size=7; bell\a\n");
  startServer({.logTransfers = true, .extraListing = true});
  f.Command4.click();
  select({"evil/"});
  f.Command1.click();

  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0],
            "1 of 7 files were copied.\n"
            "These files were not copied:\n"
            "evil/../x: not a plain file name\n"
            "evil//etc/passwd: not a plain file name\n"
            "evil/a/b: not a plain file name\n"
            "evil/../etc/: not a plain folder name\n"
            "evil/..\\x: not a plain file name\n"
            "evil/bell?: not a plain file name");
  EXPECT_EQ(filesBelow(root_ / "local files"), (Files{{"evil/", ""}, {"evil/ok.txt", "ok"}}));
  EXPECT_EQ(namesIn(root_), (Names{"data/", "events.log", "local files/", "server/"}));
  EXPECT_EQ(ftpServer_->events(), (Names{"connect", "size ok.txt", "retr ok.txt"}))
      << "only ok.txt was asked for";
}

enum class Fault { RemovedOnServer, LocalNameIsAFolder };

struct FailureCase {
  std::string name;
  Fault fault;
  std::string report;
  bool alone = false;  // b.txt is the only file selected
};

void PrintTo(const FailureCase& row, std::ostream* out) {
  *out << row.name;
}

class DownloadFailureTest : public DownloadTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(DownloadFailureTest, ReportsTheFileInPlaceOfTheClosingMessageAndGoesOn) {
  const FailureCase& row = GetParam();
  for (const char* name : {"a.txt", "b.txt", "c.txt"})
    write(server_ / name, std::string("new ") + name);
  write(local_ / "b.txt", "older copy");
  startServer({.logTransfers = true});
  f.Command4.click();
  select(row.alone ? Names{"b.txt"} : Names{"a.txt", "b.txt", "c.txt"});
  if (row.fault == Fault::RemovedOnServer) fs::remove(server_ / "b.txt");
  if (row.fault == Fault::LocalNameIsAFolder)
    fs::remove(local_ / "b.txt"), fs::create_directory(local_ / "b.txt");

  f.Command1.click();
  EXPECT_EQ(host.messages,
            Names{(row.alone ? "0 of 1" : "2 of 3") +
                  std::string(" files were copied.\nThese files were not copied:\n") + row.report});
  EXPECT_EQ(ftpServer_->count("size b.txt"), 4) << "one request and three repeats";
  EXPECT_GE(ticks_, 3) << "each repeat waits for the timer";
  const Files left = filesBelow(local_);
  if (!row.alone) {
    EXPECT_EQ(read(local_ / "a.txt"), "new a.txt");
    EXPECT_EQ(read(local_ / "c.txt"), "new c.txt");
  }
  EXPECT_EQ(left.size(), row.alone ? 1u : 3u) << "no partial file is left behind";
  if (row.fault == Fault::RemovedOnServer) {
    EXPECT_EQ(read(local_ / "b.txt"), "older copy");
  } else {
    EXPECT_TRUE(fs::is_directory(local_ / "b.txt"));
  }
  expectIdleWindow();
}

INSTANTIATE_TEST_SUITE_P(
    Faults, DownloadFailureTest,
    ::testing::Values(FailureCase{"RemovedOnServer", Fault::RemovedOnServer,
                                  "b.txt: the file does not exist, or permission was denied"},
                      FailureCase{"LocalNameIsAFolder", Fault::LocalNameIsAFolder,
                                  "b.txt: the local file cannot be read or written"},
                      FailureCase{"OnlyTheFailingFileSelected", Fault::RemovedOnServer,
                                  "b.txt: the file does not exist, or permission was denied", true}),
    testing_support::RowName());

TEST_F(DownloadTest, AServerThatGoesAwayMidBatchEndsTheClickAfterBoundedRepeats) {
  Names names;
  for (int i = 1; i <= 6; ++i) {
    names.push_back("f" + std::to_string(i) + ".txt");
    write(server_ / names.back(), names.back());
  }
  startServer({.exitAtRetr = 3});
  f.Command4.click();
  select(names);
  const Names listed = f.List1.items;  // the server's order

  const auto start = std::chrono::steady_clock::now();
  f.Command1.click();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
  EXPECT_EQ(host.messages,
            (Names{"35754", "2 of 6 files were copied.\nThese files were not copied:\n" + listed[2] +
                                ": the host does not answer\n" + listed[3] + ": not tried\n" + listed[4] +
                                ": not tried\n" + listed[5] + ": not tried"}));
  EXPECT_EQ(namesIn(local_), (Names{std::min(listed[0], listed[1]), std::max(listed[0], listed[1])}));
  expectIdleWindow();
}

TEST_F(DownloadTest, TheWindowHandlesEventsButStartsNoSecondTransfer) {
  write(server_ / "a.txt", "a");
  write(server_ / "b.txt", "b");
  startServer();
  f.Command4.click();
  select({"a.txt", "b.txt"});
  const Names listed = f.List1.items;
  int waits = 0;
  const auto wait = host.onWait;
  host.onWait = [&] {
    ++waits;
    EXPECT_TRUE(f.ProgressBar1.visible);
    for (Control* button : {&f.Command1, &f.Command3, &f.Command4, &f.Command8})
      button->click();
    wait();
  };
  f.Command1.click();
  EXPECT_GT(waits, 0);
  EXPECT_EQ(host.messages, Names{"Operation Complete."});
  EXPECT_EQ(f.List1.items, listed);
  EXPECT_EQ(namesIn(local_), (Names{"a.txt", "b.txt"}));
  expectIdleWindow();
}

// A dialog or message box opened during the transfer's wait would hold the
// wait until it closed, so what opens one is off while a transfer runs.
TEST_F(DownloadTest, NoDialogOpensWhileATransferRuns) {
  write(server_ / "a.txt", "a");
  write(server_ / "b.txt", "b");
  startServer();
  f.Command4.click();
  select({"a.txt", "b.txt"});
  const std::vector<MenuItem*> dialogItems = {&f.mnuItemChangeLocal, &f.mnuItemUserSettings,
                                              &f.mnuItemSaveList, &f.mnuItemUserManual, &f.mnuItemAbout};
  int waits = 0;
  const auto wait = host.onWait;
  host.onWait = [&] {
    ++waits;
    for (MenuItem* item : dialogItems) {
      EXPECT_FALSE(item->enabled) << item->name;
      item->click();
    }
    for (Control* button : {&f.Command6, &f.Command7}) {
      EXPECT_FALSE(button->enabled) << button->name;
      button->click();
    }
    EXPECT_TRUE(f.mnuItemExit.enabled) << "Exit ends the program, transfer or not";
    wait();
  };
  f.Command1.click();
  EXPECT_GT(waits, 0);
  EXPECT_EQ(host.modalForms, std::vector<platform::Form*>{});
  EXPECT_EQ(host.opened, Names{});
  EXPECT_EQ(host.messages, Names{"Operation Complete."});
  EXPECT_EQ(namesIn(local_), (Names{"a.txt", "b.txt"}));
  for (MenuItem* item : dialogItems)
    EXPECT_TRUE(item->enabled) << item->name;
  EXPECT_TRUE(f.Command6.enabled && f.Command7.enabled);
}

TEST_F(DownloadTest, TwoHundredSmallFilesArePacedByTheirCompletion) {
  constexpr int kFiles = 200;
  Names names;
  for (int i = 0; i < kFiles; ++i) {
    names.push_back("file" + std::to_string(i) + ".bin");
    write(server_ / names.back(), std::string(4096, static_cast<char>('a' + i % 26)));
  }
  startServer();
  f.Command4.click();
  select(names);

  // How long it takes is measured by bench/quillmere_transfer_bench.cpp (get-all).
  f.Command1.click();
  EXPECT_EQ(host.messages, Names{"Operation Complete."});
  EXPECT_EQ(namesIn(local_).size(), static_cast<std::size_t>(kFiles));
  EXPECT_EQ(read(local_ / "file199.bin"), std::string(4096, static_cast<char>('a' + 199 % 26)));
}

}  // namespace
}  // namespace transfer::testing

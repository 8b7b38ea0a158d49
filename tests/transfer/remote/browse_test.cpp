// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/remote/browse.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "remote_fixture.h"
#include "support/row_name.h"

namespace transfer::testing {
namespace {

using platform::MessageAnswer;
using platform::MessageButtons;
using Names = std::vector<std::string>;

class BrowseTest : public RemoteFtpTest {
 protected:
  BrowseTest() {
    write(server_ / "a.txt", "a");
    write(server_ / "pub" / "readme.txt", "r");
    write(server_ / "pub" / "docs" / "deep.txt", "d");
    fs::create_directories(server_ / "pub" / "empty");
  }

  void expectAt(int depth, const std::string& path) {
    EXPECT_EQ(f.remote.remoteDepth, depth);
    EXPECT_EQ(f.Text2.text(), path);
    EXPECT_EQ(f.remote.connectUrl, "ftp://tester:p@ss:word@127.0.0.1" + path);
    EXPECT_EQ(!f.List1.items.empty() && f.List1.items.front() == kGoUp, depth != 0) << "the go-up entry";
    EXPECT_EQ(f.caption, "Quillmere - An Internet File Transfer Tool - ftp://127.0.0.1" +
                             (path.empty() ? "/" : path) + " (not encrypted)");
  }
};

TEST_F(BrowseTest, ListsStepsDownTwoLevelsAndUpAgain) {
  startServer();
  f.run.listShowsLocal = true;
  f.Combo1.setText("txt");
  f.Command4.click();
  expectAt(0, "");
  EXPECT_EQ(listedNames(), (Names{"a.txt", "pub/"}));
  EXPECT_FALSE(f.run.listShowsLocal);
  EXPECT_EQ(f.Combo1.text(), "All");

  browseFrom("pub/");
  expectAt(1, "/pub/");
  EXPECT_EQ(listedNames(), (Names{"docs/", "empty/", "readme.txt"}));

  browseFrom("docs/");
  expectAt(2, "/pub/docs/");
  EXPECT_EQ(listedNames(), (Names{"deep.txt"}));

  browseFrom("deep.txt");  // a file: the same directory again
  expectAt(2, "/pub/docs/");
  EXPECT_EQ(listedNames(), (Names{"deep.txt"}));

  browseFrom(kGoUp);
  expectAt(1, "/pub/");
  EXPECT_EQ(listedNames(), (Names{"docs/", "empty/", "readme.txt"}));

  browseFrom("empty/");
  expectAt(2, "/pub/empty/");
  EXPECT_EQ(f.List1.items, Names{kGoUp});

  browseFrom(kGoUp);
  browseFrom(kGoUp);
  expectAt(0, "");
  EXPECT_EQ(listedNames(), (Names{"a.txt", "pub/"}));
  EXPECT_EQ(host.messages, Names{});
  EXPECT_EQ(ftpServer_->count("connect"), 1) << "one connection serves every listing";
}

TEST_F(BrowseTest, StepsDownBeyondSixteenLevels) {
  constexpr int kLevels = 20;
  fs::path folder = server_;
  for (int level = 1; level <= kLevels; ++level)
    folder /= "d" + std::to_string(level);
  write(folder / "bottom.txt", "b");
  startServer();

  f.Command4.click();
  std::string path;
  for (int level = 1; level <= kLevels; ++level) {
    const std::string entry = "d" + std::to_string(level) + "/";
    browseFrom(entry);
    path += (level == 1 ? "/" : "") + entry;
    ASSERT_EQ(f.remote.remoteDepth, level);
  }
  EXPECT_EQ(f.Text2.text(), path);
  EXPECT_EQ(f.List1.items, (Names{kGoUp, "bottom.txt"}));
  for (int level = kLevels - 1; level >= 0; --level)
    browseFrom(kGoUp);
  EXPECT_EQ(listedNames(), (Names{"a.txt", "d1/", "pub/"}));
  EXPECT_EQ(host.messages, Names{});
}

TEST_F(BrowseTest, LeavesOutNamesThatAreNoPlainNames) {
  write(server_ / "evil" / "ok.txt", "ok");
  write(server_ / "evil" / ".extra-listing",
        "type=file;size=1; ../x\n"
        "type=file;size=1; /etc/passwd\n"
        "type=file;size=1; a/b\n"
        "type=dir;size=0; ..\n"
        "type=dir;size=0; ../up\n"
        "type=file;size=1; ..\\win.ini\n"
        "type=file;size=1; tab\there\n"
        "type=dir;size=0; inner\n");
  startServer({.extraListing = true});
  f.Command4.click();
  browseFrom("evil/");
  EXPECT_EQ(listedNames(), (Names{"inner/", "ok.txt"}));
  EXPECT_EQ(f.List1.items.front(), kGoUp);
}

// The folder vanished between listing and stepping in, then came back: with
// the failed step taken back, the next click steps from the folder listed.
TEST_F(BrowseTest, AFailedStepLeavesThePathAsTheListShowsIt) {
  startServer();
  f.Command4.click();
  browseFrom("pub/");
  const Names inPub = f.List1.items;
  fs::rename(server_ / "pub" / "docs", server_ / "moved");
  host.answers.assign({MessageAnswer::Cancel});
  browseFrom("docs/");
  expectAt(1, "/pub/");
  EXPECT_EQ(f.List1.items, inPub);

  fs::rename(server_ / "moved", server_ / "pub" / "docs");
  browseFrom("docs/");
  expectAt(2, "/pub/docs/");
  EXPECT_EQ(listedNames(), (Names{"deep.txt"}));
  browseFrom(kGoUp);
  expectAt(1, "/pub/");
}

// A port typed in the address box, alone or after a typed "ftp://", wins
// over the port setting, which here names a port where nothing listens.
TEST_F(BrowseTest, APortTypedInTheAddressBoxWins) {
  startServer();
  const transfer_testing::LoopbackPort closed(false);
  f.settings.port = closed.port();
  for (const std::string& typed :
       {std::string("127.0.0.1:"), std::string("ftp://127.0.0.1:"), std::string("FTP://127.0.0.1:")}) {
    f.List1.clearItems();
    f.txtURLbox.setText(typed + std::to_string(ftpServer_->port()));
    f.Command4.click();
    EXPECT_EQ(listedNames(), (Names{"a.txt", "pub/"})) << typed;
  }
  EXPECT_EQ(host.messages, Names{});
}

// "::1" typed bare becomes [::1] in the URL: the click tries the server (no
// one listens there) instead of calling the address bad.
TEST_F(BrowseTest, ABareIpv6AddressIsBracketedNotABadUrl) {
  startServer();
  const transfer_testing::LoopbackPort closed(false);
  f.settings.port = closed.port();
  f.txtURLbox.setText("::1");
  f.Command4.click();
  EXPECT_EQ(host.messages, (Names{"35754", "The server cannot be reached: the host does not answer."}));
}

enum class Fault { FolderGone, ServerStopped, WrongPassword };

struct FailureCase {
  std::string name;
  Fault fault;
  std::vector<MessageAnswer> answers;
  Names messages;
};

void PrintTo(const FailureCase& row, std::ostream* out) {
  *out << row.name;
}

class BrowseFailureTest : public BrowseTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(BrowseFailureTest, EndsTheClickAfterAskingWithinItsBound) {
  const FailureCase& row = GetParam();
  startServer({.logTransfers = true});
  f.Command4.click();
  const Names before = f.List1.items;
  f.run.listShowsLocal = true;
  if (row.fault == Fault::FolderGone) fs::remove_all(server_ / "pub");
  if (row.fault == Fault::ServerStopped) ftpServer_->stop();
  if (row.fault == Fault::WrongPassword) f.settings.password = "not the password";
  host.answers.assign(row.answers.begin(), row.answers.end());

  browseFrom("pub/");
  EXPECT_EQ(host.messages, row.messages);
  for (std::size_t i = 0; i < host.messages.size(); ++i) {
    const bool asks = host.messages[i] == "Continue?";
    EXPECT_EQ(host.buttons[i], asks ? MessageButtons::OkCancel : MessageButtons::Ok);
    // Two blanks: the signed form of the error number leaves room for a sign.
    EXPECT_EQ(host.titles[i], asks ? "Error  35755 Found" : "");
  }
  // The failed step is taken back: the path names the folder listed.
  EXPECT_EQ(f.remote.remoteDepth, 0);
  EXPECT_EQ(f.remote.remotePathParts[1], "");
  EXPECT_EQ(f.Text2.text(), "");
  EXPECT_EQ(f.List1.items, before);
  EXPECT_TRUE(f.run.listShowsLocal);
  EXPECT_TRUE(f.Command4.enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, BrowseFailureTest,
    ::testing::Values(
        FailureCase{"CancelEndsAtOnce",
                    Fault::FolderGone,
                    {MessageAnswer::Cancel},
                    {"Continue?",
                     "The remote directory could not be listed: the folder does not exist, or permission was "
                     "denied."}},
        FailureCase{"OkRepeatsThenCancel",
                    Fault::FolderGone,
                    {MessageAnswer::Ok, MessageAnswer::Cancel},
                    {"Continue?", "Continue?",
                     "The remote directory could not be listed: the folder does not exist, or permission was "
                     "denied."}},
        FailureCase{"OkThreeTimesThenGivesUp",
                    Fault::FolderGone,
                    {MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::Ok},
                    {"Continue?", "Continue?", "Continue?",
                     "The remote directory could not be listed: the folder does not exist, or permission was "
                     "denied."}},
        FailureCase{"CannotConnectEndsAtOnce",
                    Fault::ServerStopped,
                    {},
                    {"35754", "The server cannot be reached: the host does not answer."}},
        FailureCase{"WrongPasswordIsToldAsSuch",
                    Fault::WrongPassword,
                    {},
                    {"35754", "The server cannot be reached: the user name or password was refused."}}),
    testing_support::RowName());

}  // namespace
}  // namespace transfer::testing

// SPDX-License-Identifier: GPL-3.0-or-later
// A folder of what real servers hold and listings get wrong: names with a
// blank at either end, links to a folder, to a file, to nothing and to the
// folder itself, a file the server may not read, a 250-byte name. It must
// list the same whether the server knows MLSD or not, and a download of it
// must end, copy what it can and name the rest.

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "remote_fixture.h"
#include "support/row_name.h"
#include "transfer/remote/browse.h"

namespace transfer::testing {
namespace {

using Names = std::vector<std::string>;

const std::string kLongName = std::string(246, 'n') + ".txt";

struct ServerCase {
  std::string name;
  FtpServerOptions server;
};

void PrintTo(const ServerCase& row, std::ostream* out) {
  *out << row.name;
}

class LinkTreeTest : public RemoteFtpTest, public ::testing::WithParamInterface<ServerCase> {
 protected:
  LinkTreeTest() {
    write(server_ / "pub" / "inside.txt", "inside");
    write(server_ / "target.txt", "target");
    const fs::path tree = server_ / "tree";
    write(tree / " lead.txt", "lead");
    write(tree / "trail.txt ", "trail");
    write(tree / "secret.txt", "secret");
    ::chmod((tree / "secret.txt").c_str(), 0);
    write(tree / kLongName, "long");
    fs::create_directory_symlink("../pub", tree / "link-dir");
    fs::create_symlink("../target.txt", tree / "link-file");
    fs::create_symlink("nowhere", tree / "gone");
    fs::create_directory_symlink(".", tree / "up");
  }

  // The report's lines after its heading, sorted: servers list in no fixed order.
  static Names reportLines(const std::string& report) {
    Names lines;
    std::size_t at = report.find('\n');
    while (at != std::string::npos) {
      const std::size_t end = report.find('\n', at + 1);
      lines.push_back(report.substr(at + 1, end == std::string::npos ? end : end - at - 1));
      at = end;
    }
    std::sort(lines.begin(), lines.end());
    return lines;
  }
};

TEST_P(LinkTreeTest, ListsTheSameWithOrWithoutMlsd) {
  startServer(GetParam().server);
  f.Command4.click();
  browseFrom("tree/");
  Names expected = {" lead.txt",  "gone",       "link-dir/", "link-file",
                    "secret.txt", "trail.txt ", "up/",       kLongName};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(listedNames(), expected);

  browseFrom("link-dir/");
  EXPECT_EQ(f.Text2.text(), "/tree/link-dir/");
  EXPECT_EQ(listedNames(), Names{"inside.txt"});
  EXPECT_EQ(host.messages, Names{});
}

TEST_P(LinkTreeTest, ADownloadOfItEndsCopiesWhatItCanAndNamesTheRest) {
  startServer(GetParam().server);
  f.Command4.click();
  select({"tree/"});
  f.Command1.click();

  ASSERT_EQ(host.messages.size(), 2u) << ::testing::PrintToString(host.messages);
  EXPECT_EQ(host.messages[0], " 2 files had blanks in the names and were not copied.");
  EXPECT_TRUE(host.messages[1].starts_with("3 of 6 files were copied.\nThese files were not copied:\n"))
      << host.messages[1];
  EXPECT_EQ(
      reportLines(host.messages[1]),
      (Names{"These files were not copied:", "tree/gone: the file does not exist, or permission was denied",
             "tree/secret.txt: the file does not exist, or permission was denied",
             "tree/up/: the same server folder as tree/, copied once"}));
  EXPECT_EQ(filesBelow(local_), (Files{{"tree/", ""},
                                       {"tree/link-dir/", ""},
                                       {"tree/link-dir/inside.txt", "inside"},
                                       {"tree/link-file", "target"},
                                       {"tree/" + kLongName, "long"}}));
  EXPECT_FALSE(f.ProgressBar1.visible);
  EXPECT_TRUE(f.Command1.enabled);
}

// Servers that resolve links when changing folder (vsftpd does), so PWD
// names the folder a link leads to.
INSTANTIATE_TEST_SUITE_P(Servers, LinkTreeTest,
                         ::testing::Values(ServerCase{"ListOnly", {.mlsd = false, .resolveLinks = true}},
                                           ServerCase{"MlsdTellingLinks",
                                                      {.mlsdLinks = true, .resolveLinks = true}}),
                         testing_support::RowName());

// pyftpdlib names a folder by the path it was entered by, so only the depth
// bound ends the walk down a link to the folder itself; what lies beyond is
// named.
TEST_F(RemoteFtpTest, ALinkToItsOwnFolderEndsAtThirtyTwoLevels) {
  write(server_ / "loop" / "f.txt", "f");
  fs::create_directory_symlink(".", server_ / "loop" / "up");
  startServer({.mlsd = false});
  f.Command4.click();
  select({"loop/"});
  f.Command1.click();

  std::string beyond = "loop/";
  for (int level = 2; level <= 33; ++level)
    beyond += "up/";
  EXPECT_EQ(host.messages, (Names{"32 of 33 files were copied.\nThese files were not copied:\n" + beyond +
                                  ": more than 32 levels deep"}));
  fs::path local = local_ / "loop";
  for (int level = 1; level <= 32; ++level) {
    EXPECT_EQ(read(local / "f.txt"), "f") << level;
    local /= "up";
  }
  EXPECT_FALSE(fs::exists(local));
}

}  // namespace
}  // namespace transfer::testing

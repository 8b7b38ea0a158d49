// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <ostream>
#include <string>

#include "support/bytes.h"
#include "support/row_name.h"
#include "transfer/ftp_fixture.h"
#include "transfer/local/filter_file.h"

namespace transfer::testing {
namespace {

using SettingsTest = FtpTest;

TEST_F(SettingsTest, FirstStartWritesTheDefaultsReadableByTheOwnerOnly) {
  start();
  EXPECT_EQ(settingsBytes(),
            "\r\n" + downloads_.string() + "\r\n" + downloads_.string() + "\r\nanonymous\r\n\r\n21\r\n");
  struct stat info {};
  ASSERT_EQ(::stat(settingsFilePath(f).c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  EXPECT_EQ(f.Text1.text(), downloads_.string());
  EXPECT_EQ(f.txtURLbox.text(), "");
  EXPECT_EQ(f.settings.port, 21);
  EXPECT_EQ(f.Combo1.items, std::vector<std::string>{"All"});
}

struct FileCase {
  const char* name;
  std::string bytes;
  std::string address, local, user, password;
  double port;
  bool rewritten;
  friend void PrintTo(const FileCase& c, std::ostream* os) { *os << c.name; }
};

class SettingsFileTest : public FtpTest, public ::testing::WithParamInterface<FileCase> {};

TEST_P(SettingsFileTest, ReadsSixLinesOrTakesTheDefaults) {
  const FileCase& c = GetParam();
  putSettings(c.bytes);
  start();
  EXPECT_EQ(f.txtURLbox.text(), c.address);
  EXPECT_EQ(f.Text1.text(), c.local.empty() ? downloads_.string() : c.local);
  EXPECT_EQ(f.settings.userName, c.user);
  EXPECT_EQ(f.settings.password, c.password);
  EXPECT_EQ(f.settings.port, c.port);
  if (!c.rewritten) {
    EXPECT_EQ(settingsBytes(), c.bytes);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsFileTest,
    ::testing::Values(
        FileCase{"Saved", "ftp.example.org\r\n/home/me\r\n/mnt/share\r\nme\r\np@ss:w\r\n2121\r\n",
                 "ftp.example.org", "/home/me", "me", "p@ss:w", 2121, false},
        FileCase{"LineFeedOnly", "host\n/tmp\n/mnt\nu\np\n21\n", "host", "/tmp", "u", "p", 21, false},
        FileCase{"PortWithBlanks", "host\r\n/tmp\r\n/mnt\r\nu\r\np\r\n 990 \r\n", "host", "/tmp", "u", "p",
                 990, false},
        FileCase{"FiveLines", "host\r\n/tmp\r\n/mnt\r\nu\r\np\r\n", "", "", "anonymous", "", 21, true},
        FileCase{"Empty", "", "", "", "anonymous", "", 21, true},
        FileCase{"PortZero", "host\r\n/tmp\r\n/mnt\r\nu\r\np\r\n0\r\n", "host", "/tmp", "u", "p", 21, false},
        FileCase{"PortTooLarge", "host\r\n/tmp\r\n/mnt\r\nu\r\np\r\n70000\r\n", "host", "/tmp", "u", "p", 21,
                 false},
        FileCase{"PortFraction", "host\r\n/tmp\r\n/mnt\r\nu\r\np\r\n21.5\r\n", "host", "/tmp", "u", "p", 21,
                 false},
        FileCase{"PortNotANumber", "host\r\n/tmp\r\n/mnt\r\nu\r\np\r\nabc\r\n", "host", "/tmp", "u", "p", 21,
                 false},
        FileCase{"NulBytes",
                 testing_support::bytes("h\0st\r\n/tmp\r\n/mnt\r\nu\r\np\r\n2\0"
                                        "1\r\n"),
                 std::string("h\0st", 4), "/tmp", "u", "p", 2, false}),
    testing_support::RowName());

TEST_F(SettingsTest, AHugeLineIsCutAndTheRestStillReads) {
  putSettings(std::string(1 << 20, 'h') + "\r\n/tmp\r\n/mnt\r\nu\r\np\r\n21\r\n");
  start();
  EXPECT_EQ(f.txtURLbox.text().size(), 4096u);
  EXPECT_EQ(f.settings.userName, "u");
}

// What stands in a data file's place may be anything: it once threw at the
// start (a folder) or would have waited for ever (a named pipe).
class NotAFileTest : public FtpTest, public ::testing::WithParamInterface<bool> {};

TEST_P(NotAFileTest, InPlaceOfTheDataFilesGivesTheDefaults) {
  std::filesystem::create_directories(data_);
  for (const auto& file : {settingsFilePath(f), filterFilePath(f)}) {
    if (GetParam()) {
      ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    } else {
      std::filesystem::create_directories(file / "inside");
    }
  }
  start();
  EXPECT_EQ(f.settings.userName, "anonymous");
  EXPECT_EQ(f.settings.port, 21);
  EXPECT_EQ(f.Combo1.items, std::vector<std::string>{"All"});
}

INSTANTIATE_TEST_SUITE_P(Kinds, NotAFileTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& row) {
                           return row.param ? "NamedPipe" : "Folder";
                         });

struct AddressCase {
  const char* name;
  std::string user, password, box;
  std::string startup, transfer;
  friend void PrintTo(const AddressCase& c, std::ostream* os) { *os << c.name; }
};

class ConnectAddressTest : public FtpTest, public ::testing::WithParamInterface<AddressCase> {};

TEST_P(ConnectAddressTest, ComposesCredentialsAndAddress) {
  const AddressCase& c = GetParam();
  f.settings.userName = c.user;
  f.settings.password = c.password;
  f.txtURLbox.setText(c.box);
  EXPECT_EQ(startupAddress(f), c.startup);
  EXPECT_EQ(transferAddress(f), c.transfer);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ConnectAddressTest,
    ::testing::Values(AddressCase{"Anonymous", "anonymous", "x", "host", "ftp://host", "ftp://host"},
                      AddressCase{"AnonymousAnyCase", "AnOnYmOuS", "x", "host", "ftp://host", "ftp://host"},
                      AddressCase{"EmptyUserIsNotAnonymous", "", "", "host", "ftp://:@host", "ftp://:@host"},
                      AddressCase{"User", "me", "p@ss:w", "host/pub/", "ftp://me:p@ss:w@host/pub/",
                                  "ftp://me:p@ss:w@host/pub/"},
                      AddressCase{"FtpPrefixAtStartup", "me", "pw", "FTP.example.org",
                                  "me:pw@FTP.example.org", "ftp://me:pw@FTP.example.org"},
                      AddressCase{"TypedScheme", "me", "pw", "ftp://host:2121", "me:pw@ftp://host:2121",
                                  "ftp://me:pw@host:2121"},
                      AddressCase{"TypedSchemeAnyCase", "anonymous", "", "FTP://[::1]:2121",
                                  "FTP://[::1]:2121", "ftp://[::1]:2121"},
                      AddressCase{"TypedExplicitTls", "me", "pw", "ftpes://host/pub",
                                  "me:pw@ftpes://host/pub", "ftpes://me:pw@host/pub"},
                      AddressCase{"TypedImplicitTlsAnyCase", "anonymous", "", "FTPS://host:2990",
                                  "FTPS://host:2990", "ftps://host:2990"}),
    testing_support::RowName());

TEST_F(SettingsTest, ChangeStoresTheAddressWithoutItsTrailingSlash) {
  start();
  f.settings.userName = "me";
  f.settings.password = "pw";
  f.txtURLbox.setText("example.org/");
  f.Command6.click();
  EXPECT_EQ(f.settings.serverAddress, "example.org");
  EXPECT_EQ(f.txtURLbox.text(), "example.org/");
  EXPECT_EQ(f.remote.connectUrl, "ftp://me:pw@example.org/");
  EXPECT_EQ(settingsBytes().substr(0, 13), "example.org\r\n");
}

TEST_F(SettingsTest, ChangeWithAnFtpAddressTakesItAlone) {
  start();
  f.settings.userName = "me";
  f.txtURLbox.setText("Ftp.example.org");
  f.Command6.click();
  EXPECT_EQ(f.remote.connectUrl, "Ftp.example.org");
}

TEST_F(SettingsTest, ChangeWithAnEmptyBoxShowsTheLastAddressAndWritesNothing) {
  putSettings("host\r\n/tmp\r\n/mnt\r\nme\r\npw\r\n21\r\n");
  start();
  f.txtURLbox.setText("");
  f.Command6.click();
  EXPECT_EQ(f.settings.serverAddress, "");
  EXPECT_EQ(f.txtURLbox.text(), "ftp://me:pw@host");
  EXPECT_EQ(settingsBytes(), "host\r\n/tmp\r\n/mnt\r\nme\r\npw\r\n21\r\n");
}

}  // namespace
}  // namespace transfer::testing

// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/control/listing_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/row_name.h"

namespace transfer {
namespace {

// "name" for a file, "name/" for a folder, "name@" for a link of untold
// kind, "-" for a skipped line. Blanks stay where the name has them.
std::string shown(const std::optional<ListingEntry>& entry) {
  if (!entry) return "-";
  return entry->name + (entry->isDirectory ? "/" : "") + (entry->isLink ? "@" : "");
}

struct LineCase {
  std::string name;
  std::string line;
  std::string expected;
};

void PrintTo(const LineCase& row, std::ostream* out) {
  *out << row.name << ": \"" << row.line << "\"";
}

class RemoteMlsdLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(RemoteMlsdLineTest, ReadsTypeAndName) {
  EXPECT_EQ(shown(parseMlsdLine(GetParam().line)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RemoteMlsdLineTest,
    ::testing::Values(
        LineCase{"File", "type=file;size=1024;modify=20230115103000;perm=adfrw; report.pdf", "report.pdf"},
        LineCase{"Folder", "type=dir;modify=20230115103000;perm=flcdmpe; pub", "pub/"},
        LineCase{"PyftpdlibFolder",
                 "modify=20231209233839;perm=eldfmMTcp;size=4096;type=dir;unique=fe00ga7a0af; sub", "sub/"},
        LineCase{"CurrentFolder", "type=cdir;modify=20230115103000;perm=el; .", "-"},
        LineCase{"CurrentFolderByPath", "type=cdir;perm=el; /home/ftp", "-"},
        LineCase{"ParentFolder", "type=pdir;modify=20230115103000;perm=el; ..", "-"},
        LineCase{"NameWithBlanks", "type=file;size=12; annual report 2023.txt", "annual report 2023.txt"},
        LineCase{"NameWithFactCharacters", "type=file;size=1; a=b;c.txt", "a=b;c.txt"},
        LineCase{"UpperCaseFacts", "Type=DIR;Modify=20230115103000; Docs", "Docs/"},
        LineCase{"CarriageReturn", "type=file;size=3; a.txt\r", "a.txt"},
        LineCase{"UnixSymlinkType", "type=OS.unix=slink:/srv/files;perm=r; latest", "latest@"},
        LineCase{"SlinkToAFolder", "type=OS.unix=slink:/pub;modify=20261211043100;perm=el; link-dir",
                 "link-dir@"},
        LineCase{"SymlinkWithoutTarget", "type=OS.unix=symlink;size=3; link-dir", "link-dir@"},
        LineCase{"SlinkTargetWithBlank", "type=OS.unix=slink:/srv/my files;perm=r; latest", "latest@"},
        LineCase{"LeadingBlankInName", "type=file;size=6;modify=20261211043100;  lead.txt", " lead.txt"},
        LineCase{"TrailingBlankInName", "type=file;size=6; trail.txt ", "trail.txt "},
        LineCase{"BlankInsideAFact", "type=file;UNIX.groupname=Domain Users;size=3; x.txt", "x.txt"},
        LineCase{"FactlessName", " plain.txt", "plain.txt"},
        LineCase{"FactlessNameWithSeparator", " a; b.txt", "a; b.txt"},
        LineCase{"ParentFolderByPath", "type=pdir;perm=el; /home", "-"},
        LineCase{
            "PureFtpdCurrentFolder",
            "type=cdir;sizd=4096;modify=20261211043100;UNIX.mode=0755;UNIX.uid=0;UNIX.gid=0;unique=803g2; .",
            "-"},
        LineCase{"NoTypeFact", "size=10;perm=r; plain", "plain"},
        LineCase{"UnixListLine", "drwxr-xr-x   2 ftp ftp 4096 Jan 15 10:30 pub", "-"},
        LineCase{"NoName", "type=file;size=3;", "-"}),
    testing_support::RowName());

class RemoteListLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(RemoteListLineTest, ReadsTypeAndName) {
  EXPECT_EQ(shown(parseListLine(GetParam().line)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RemoteListLineTest,
    ::testing::Values(
        LineCase{"UnixFile", "-rw-r--r--   1 ftp      ftp          1234 Jan 15 10:30 readme.txt",
                 "readme.txt"},
        LineCase{"UnixFolderWithYear", "drwxr-xr-x   2 ftp      ftp          4096 Mar  3  2021 pub", "pub/"},
        LineCase{"UnixSymlink",
                 "lrwxrwxrwx   1 root     root           11 Feb  2 09:15 latest -> release-2.1", "latest@"},
        LineCase{"UnixSymlinkWithBlanks", "lrwxrwxrwx 1 u g 9 Feb  2 09:15 my link -> the target",
                 "my link@"},
        LineCase{"UnixSymlinkToAFolder", "lrwxrwxrwx 1 ftp ftp 3 Dec 11 04:31 link-dir -> pub", "link-dir@"},
        LineCase{"UnixLeadingBlank", "-rw-r--r--    1 ftp      ftp             6 Dec 11 04:31  lead.txt",
                 " lead.txt"},
        LineCase{"UnixTrailingBlank", "-rw-r--r--    1 ftp      ftp             6 Dec 11 04:31 trail.txt ",
                 "trail.txt "},
        LineCase{"UnixYearLeadingBlank", "-rw-r--r--    1 ftp      ftp             6 Dec 11  2025  lead.txt",
                 " lead.txt"},
        LineCase{"UnixFolderLeadingBlanks", "drwxr-xr-x    2 ftp      ftp          4096 Dec 11 04:31   two",
                 "  two/"},
        LineCase{"UnixNumericOwnersAndYear",
                 "-rw-r--r--    1 1001     1001      5242880 Mar 14  2019 big.iso", "big.iso"},
        LineCase{"UnixBlankInGroup", "-rw-r--r--   1 alice    Domain Users     1024 Jun  5 13:45 report.docx",
                 "report.docx"},
        LineCase{"UnixBlankInGroupLeadingBlank",
                 "-rw-r--r--   1 alice    Domain Users        6 Jun  5 13:45  x", " x"},
        LineCase{"UnixDanglingLink",
                 "lrwxrwxrwx    1 0        0               7 Dec 11 04:31 gone -> nowhere", "gone@"},
        LineCase{"UnixIsoDateLeadingBlank", "-rw-r--r-- 1 u g 99 2026-12-11 04:31  iso.txt", " iso.txt"},
        LineCase{"UnixCurrentFolder", "drwxr-xr-x   5 ftp ftp 4096 Jan 15 10:30 .", "-"},
        LineCase{"UnixParentFolder", "drwxr-xr-x  12 ftp ftp 4096 Jan 15 10:30 ..", "-"},
        LineCase{"UnixTotal", "total 24", "-"},
        LineCase{"UnixNameWithBlanks", "-rw-r--r--   1 root root 10 Dec 09 23:38 with  two blanks.bin",
                 "with  two blanks.bin"},
        LineCase{"UnixNameLikeADate", "-rw-r--r-- 1 u g 10 Jan  1  2020 Jan 1 12:00 notes",
                 "Jan 1 12:00 notes"},
        LineCase{"UnixWithoutGroup", "-rw-r--r--   1 owner     1234 Jan 15 10:30 solo.txt", "solo.txt"},
        LineCase{"UnixNumericOwner", "drwxr-xr-x    2 1000     1000         4096 Jan 15 10:30 uploads",
                 "uploads/"},
        LineCase{"UnixAclMarker", "drwxr-xr-x+  3 alice staff 4096 Jan 15 10:30 shared", "shared/"},
        LineCase{"UnixIsoDate", "-rw-r--r-- 1 u g 99 2023-01-15 10:30 iso.txt", "iso.txt"},
        LineCase{"UnixCarriageReturn", "drwxr-xr-x 2 u g 4096 Jan 15 10:30 incoming\r", "incoming/"},
        LineCase{"UnixSizeNotANumber", "-rw-r--r-- 1 u g big Jan 15 10:30 x", "-"},
        LineCase{"DosFolder", "01-15-23  10:30AM       <DIR>          Program Files", "Program Files/"},
        LineCase{"DosFile", "01-15-23  10:31PM              1048576 setup.exe", "setup.exe"},
        LineCase{"DosFourDigitYearAndCommas", "01-15-2023  22:31       1,048,576 data file.zip",
                 "data file.zip"},
        LineCase{"DosShortPadding", "12-11-26  04:31AM  <DIR>  x", "x/"},
        LineCase{"DosFolderLeadingBlank", "12-11-26  04:31AM       <DIR>           x", " x/"},
        LineCase{"DosFileLeadingBlank", "12-11-26  04:31AM                    6  lead.txt", " lead.txt"},
        LineCase{"DosFileTrailingBlank", "12-11-26  04:31AM                    6 trail.txt ", "trail.txt "},
        LineCase{"DosCurrentFolder", "01-15-23  10:30AM       <DIR>          .", "-"},
        LineCase{"ServerReply", "226 Transfer complete", "-"}, LineCase{"Empty", "", "-"}),
    testing_support::RowName());

TEST(RemoteListingTest, FormatsMlsdInServerOrderWithoutCurrentAndParent) {
  const std::string raw =
      "type=cdir;perm=el; .\r\n"
      "type=pdir;perm=el; ..\r\n"
      "type=file;size=3; zeta.txt\r\n"
      "type=dir;perm=el; alpha\r\n"
      "type=file;size=0; my notes.txt\n";
  EXPECT_EQ(formatListing(raw, ListingFormat::Mlsd), "zeta.txt\r\nalpha/\r\nmy notes.txt\r\n");
}

TEST(RemoteListingTest, FormatsListSkippingTotalAndUnreadableLines) {
  const std::string raw =
      "total 12\r\n"
      "drwxr-xr-x   2 ftp ftp 4096 Jan 15 10:30 .\r\n"
      "-rw-r--r--   1 ftp ftp   12 Jan 15 10:30 b.txt\r\n"
      "this is no listing line\r\n"
      "drwxr-xr-x   2 ftp ftp 4096 Jan 15 10:30 a dir\r\n"
      "01-15-23  10:30AM       <DIR>          dos dir\r\n";
  EXPECT_EQ(formatListing(raw, ListingFormat::List), "b.txt\r\na dir/\r\ndos dir/\r\n");
}

// Split by the list's rule, such a name would become two names, each perhaps
// naming another file.
TEST(RemoteListingTest, LeavesOutNamesWithACarriageReturn) {
  EXPECT_EQ(formatListing("type=file; a\rb.txt\r\ntype=file; c.txt\r\n", ListingFormat::Mlsd), "c.txt\r\n");
  EXPECT_EQ(formatListing("01-15-23  10:30AM  <DIR>  x\rdocs\r\n-rw-r--r-- 1 o g 1 Jan 1 12:00 c.txt\r\n",
                          ListingFormat::List),
            "c.txt\r\n");
}

// Until someone changes into it, a link of untold kind reads as a file.
TEST(RemoteListingTest, KeepsLinksApartAndFormatsThemAsFiles) {
  const std::string raw =
      "lrwxrwxrwx 1 ftp ftp 3 Dec 11 04:31 link-dir -> pub\r\n"
      "-rw-r--r-- 1 ftp ftp 6 Dec 11 04:31  lead.txt\r\n";
  const std::vector<ListingEntry> entries = parseListing(raw, ListingFormat::List);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_TRUE(entries[0].isLink);
  EXPECT_FALSE(entries[1].isLink);
  EXPECT_EQ(formatEntries(entries), "link-dir\r\n lead.txt\r\n");
}

TEST(RemoteListingTest, EmptyListingIsEmpty) {
  EXPECT_EQ(formatListing("", ListingFormat::Mlsd), "");
  EXPECT_EQ(formatListing("total 0\r\n", ListingFormat::List), "");
}

}  // namespace
}  // namespace transfer

// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/local/filter_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/row_name.h"
#include "transfer/ftp_fixture.h"

namespace transfer::testing {
namespace {

class FilterFileTest : public FtpTest {
 protected:
  void putFilters(const std::string& bytes) {
    fs::create_directories(data_);
    std::ofstream(filterFilePath(f), std::ios::binary) << bytes;
  }
  std::string filterBytes() {
    std::ifstream in(filterFilePath(f), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
};

struct LoadCase {
  std::string name;
  std::string bytes;
  std::vector<std::string> entries;
  std::string fileAfter;  // the bytes the file holds after the start
};

void PrintTo(const LoadCase& row, std::ostream* out) {
  *out << row.name;
}

class LoadFiltersTest : public FilterFileTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(LoadFiltersTest, FillsTheFilterList) {
  const LoadCase& row = GetParam();
  putFilters(row.bytes);
  start();
  EXPECT_EQ(f.Combo1.items, row.entries);
  EXPECT_EQ(f.Combo1.text(), "All");
  EXPECT_EQ(filterBytes(), row.fileAfter);
}

const std::string kLongLine(5000, 'x');

INSTANTIATE_TEST_SUITE_P(
    Files, LoadFiltersTest,
    ::testing::Values(
        LoadCase{
            "SortedIgnoringCase", "txt\r\nAll\r\nJPG\r\n", {"All", "JPG", "txt"}, "txt\r\nAll\r\nJPG\r\n"},
        LoadCase{"EmptyLinesSkippedDuplicatesKept",
                 "\r\ntxt\r\n\r\ntxt\r\n",
                 {"txt", "txt"},
                 "\r\ntxt\r\n\r\ntxt\r\n"},
        LoadCase{"LineFeedsAloneAndNoLastEnd", "txt\nbmp", {"bmp", "txt"}, "txt\nbmp"},
        LoadCase{"NoAllEntryLeavesItOut", "txt\r\n", {"txt"}, "txt\r\n"},
        LoadCase{"OnlyEmptyLinesGetAll", "\r\n\r\n", {"All"}, "\r\n\r\n"},
        LoadCase{"EmptyFileGetsAll", "", {"All"}, ""},
        LoadCase{"BinaryContentIsReplaced", std::string("txt\r\nj\0pg\r\n", 12), {"All"}, "All\r\n"},
        LoadCase{"AnEndlessLineIsReplaced", "txt\r\n" + kLongLine + "\r\n", {"All"}, "All\r\n"}),
    testing_support::RowName());

TEST_F(FilterFileTest, AMissingFileIsNotMadeAtStart) {
  start();
  EXPECT_EQ(f.Combo1.items, std::vector<std::string>{"All"});
  EXPECT_FALSE(fs::exists(filterFilePath(f)));
}

TEST_F(FilterFileTest, AFolderInPlaceOfTheFileCountsAsMissing) {
  fs::create_directories(filterFilePath(f));
  start();
  EXPECT_EQ(f.Combo1.items, std::vector<std::string>{"All"});
}

TEST_F(FilterFileTest, TooManyLinesAreReplaced) {
  std::string bytes;
  for (int i = 0; i < 10001; ++i)
    bytes += "t\r\n";
  putFilters(bytes);
  start();
  EXPECT_EQ(f.Combo1.items, std::vector<std::string>{"All"});
  EXPECT_EQ(filterBytes(), "All\r\n");
}

// Exit and the corner picture end the program the same way.
class EndTest : public FilterFileTest, public ::testing::WithParamInterface<bool> {
 protected:
  void end() { GetParam() ? f.mnuItemExit.click() : f.Picture1.click(); }
};

TEST_P(EndTest, SavesTheFiltersInTheirOrderAndEnds) {
  putFilters("txt\r\n");
  start();
  for (const char* filter : {"JPG", ""}) {
    f.Combo1.setText(filter);
    f.Command2.click();
  }
  end();
  EXPECT_EQ(filterBytes(), "\r\nJPG\r\ntxt\r\n");
  EXPECT_EQ(host.endRequests, 1);
  EXPECT_EQ(host.messages, std::vector<std::string>{});

  // The next start reads back what was saved; the empty entry is gone.
  Quillmere nextProgram{host, "/opt/quillmere", data_, downloads_};
  FTP& next = nextProgram.window;
  ftpLoad(next);
  EXPECT_EQ(next.Combo1.items, (std::vector<std::string>{"JPG", "txt"}));
}

TEST_P(EndTest, AFileThatCannotBeWrittenIsToldAndTheProgramStillEnds) {
  start();
  fs::create_directories(filterFilePath(f) / "in the way");
  end();
  EXPECT_EQ(host.messages, std::vector<std::string>{"The filter list could not be saved to " +
                                                    filterFilePath(f).string() + "."});
  EXPECT_EQ(host.endRequests, 1);
}

INSTANTIATE_TEST_SUITE_P(ExitOrPicture, EndTest, ::testing::Bool(),
                         [](const auto& row) { return row.param ? "Exit" : "Picture"; });

}  // namespace
}  // namespace transfer::testing

// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/control/operation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/row_name.h"
#include "support/temp_folder.h"
#include "transfer/control/transfer_error.h"

namespace transfer {
namespace {

namespace fs = std::filesystem;

// "{tmp}" in a row stands for a folder holding "a b/x.zip".
struct OperationCase {
  std::string name;
  std::string text;
  Operation::Kind kind;
  std::string remote;
  std::string local;
};

void PrintTo(const OperationCase& row, std::ostream* out) {
  *out << row.name << ": \"" << row.text << "\"";
}

std::string replaced(std::string text, const std::string& folder) {
  for (std::size_t at = text.find("{tmp}"); at != std::string::npos; at = text.find("{tmp}"))
    text.replace(at, 5, folder);
  return text;
}

class RemoteOperationTest : public ::testing::TestWithParam<OperationCase> {
 protected:
  void SetUp() override {
    fs::create_directories(folder_ / "a b");
    std::ofstream(folder_ / "a b" / "x.zip") << "zip";
  }
  void TearDown() override { fs::remove_all(folder_); }

  fs::path folder_ = testing_support::freshTempFolder("remote-operation");
};

TEST_P(RemoteOperationTest, SplitsIntoRemoteAndLocalPaths) {
  const OperationCase& row = GetParam();
  const Operation operation = parseOperation(replaced(row.text, folder_.string()));
  EXPECT_EQ(operation.kind, row.kind);
  EXPECT_EQ(operation.remotePath, row.remote);
  EXPECT_EQ(operation.localPath.string(), replaced(row.local, folder_.string()));
}

using Kind = Operation::Kind;

INSTANTIATE_TEST_SUITE_P(
    Texts, RemoteOperationTest,
    ::testing::Values(
        OperationCase{"DirAlone", "DIR", Kind::Dir, "", ""},
        OperationCase{"DirStart", "DIR ", Kind::Dir, "", ""},
        OperationCase{"DirBlankInFolder", "DIR /my docs/", Kind::Dir, "/my docs/", ""},
        OperationCase{"LowerCaseVerb", "dir /pub/", Kind::Dir, "/pub/", ""},
        OperationCase{"Quit", "QUIT", Kind::Quit, "", ""},
        OperationCase{"Get", "GET /pub/x.zip {tmp}/x.zip", Kind::Get, "/pub/x.zip", "{tmp}/x.zip"},
        OperationCase{"GetBlankInLocalFolder", "GET x.zip {tmp}/a b/x.zip", Kind::Get, "x.zip",
                      "{tmp}/a b/x.zip"},
        OperationCase{"GetBlanksInBothFolders", "GET /pub/a b/x.zip {tmp}/a b/x.zip", Kind::Get,
                      "/pub/a b/x.zip", "{tmp}/a b/x.zip"},
        OperationCase{"GetUnknownLocalFolderSplitsAtFirstBlank", "GET /a b/x.zip /no such/x.zip", Kind::Get,
                      "/a", "b/x.zip /no such/x.zip"},
        OperationCase{"Put", "PUT {tmp}/a b/x.zip /pub/x.zip", Kind::Put, "/pub/x.zip", "{tmp}/a b/x.zip"},
        OperationCase{"PutBlanksInBothFolders", "PUT {tmp}/a b/x.zip /pub/a b/x.zip", Kind::Put,
                      "/pub/a b/x.zip", "{tmp}/a b/x.zip"},
        OperationCase{"PutUnknownLocalFileSplitsAtFirstBlank", "PUT /no such/x.zip x.zip", Kind::Put,
                      "such/x.zip x.zip", "/no"}),
    testing_support::RowName());

TEST(RemoteOperationRejectTest, UnknownOrIncompleteOperationsAreBadRequests) {
  for (const std::string text :
       {"", "DELETE x.zip", "MKDIR /pub/new/", "GET x.zip", "PUT ", "GET  /tmp/x.zip"}) {
    SCOPED_TRACE(text);
    try {
      parseOperation(text);
      ADD_FAILURE() << "accepted";
    } catch (const TransferError& error) {
      EXPECT_EQ(error.number, kBadRequest);
    }
  }
}

}  // namespace
}  // namespace transfer

// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/control/operation.h"

#include <functional>
#include <optional>

#include "platform/text_case.h"
#include "transfer/control/transfer_error.h"

namespace transfer {
namespace {

[[noreturn]] void unsupported(const std::string& why) {
  throw TransferError(kBadRequest, why);
}

// The position of the first blank whose halves satisfy `fits`, else of the first blank.
std::size_t splitPoint(const std::string& arguments,
                       const std::function<bool(const std::string&, const std::string&)>& fits) {
  std::optional<std::size_t> first;
  for (std::size_t blank = arguments.find(' '); blank != std::string::npos;
       blank = arguments.find(' ', blank + 1)) {
    if (!first) first = blank;
    if (fits(arguments.substr(0, blank), arguments.substr(blank + 1))) return blank;
  }
  if (!first) unsupported("The operation needs two paths separated by a blank.");
  return *first;
}

bool isFolder(const std::filesystem::path& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::is_directory(path, error);
}

bool isFile(const std::filesystem::path& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::is_regular_file(path, error);
}

}  // namespace

Operation parseOperation(const std::string& text) {
  const std::size_t blank = text.find(' ');
  const std::string verb = platform::upperCase(text.substr(0, blank));
  const std::string arguments = blank == std::string::npos ? std::string() : text.substr(blank + 1);

  Operation operation;
  if (verb == "DIR") {
    operation.kind = Operation::Kind::Dir;
    operation.remotePath = arguments;
  } else if (verb == "QUIT") {
    operation.kind = Operation::Kind::Quit;
  } else if (verb == "GET") {
    const std::size_t at = splitPoint(arguments, [](const std::string&, const std::string& local) {
      return isFolder(std::filesystem::path(local).parent_path());
    });
    operation.kind = Operation::Kind::Get;
    operation.remotePath = arguments.substr(0, at);
    operation.localPath = arguments.substr(at + 1);
  } else if (verb == "PUT") {
    const std::size_t at =
        splitPoint(arguments, [](const std::string& local, const std::string&) { return isFile(local); });
    operation.kind = Operation::Kind::Put;
    operation.localPath = arguments.substr(0, at);
    operation.remotePath = arguments.substr(at + 1);
  } else {
    unsupported("The operation \"" + verb + "\" is not supported.");
  }
  if ((operation.kind == Operation::Kind::Get || operation.kind == Operation::Kind::Put) &&
      (operation.remotePath.empty() || operation.localPath.empty()))
    unsupported("The operation needs two paths separated by a blank.");
  return operation;
}

}  // namespace transfer

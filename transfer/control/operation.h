// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reads the operation texts the forms build: "DIR path", "GET remote local",
// "PUT local remote" and "QUIT".

#include <filesystem>
#include <string>

namespace transfer {

struct Operation {
  enum class Kind { Dir, Get, Put, Quit };
  Kind kind = Kind::Dir;
  std::string remotePath;
  std::filesystem::path localPath;
};

// File names hold no blanks but folder names may, so GET splits at the first
// blank whose right-hand side lies in an existing local folder, PUT at the
// first blank whose left-hand side is an existing local file; both fall back
// to the first blank. Throws TransferError(kBadRequest) for anything else.
Operation parseOperation(const std::string& text);

}  // namespace transfer

// SPDX-License-Identifier: GPL-3.0-or-later
// Saves a data file again and again, as fast as it can, through the
// program's own save function: version <first>, <first>+1, ... until it is
// killed. With "once" it saves version <first> and ends.
//   data_file_writer user.dat|statistics.dat|user.db|filters.db <folder> <first> [once]

#include <cstdio>
#include <string>

#include "data_file_versions.h"

int main(int argc, char** argv) {
  if (argc < 4) return 2;
  const reliability::DataFile* file = reliability::findDataFile(argv[1]);
  if (!file) return 2;
  const std::filesystem::path folder = argv[2];
  long version = std::stol(argv[3]);
  const bool once = argc > 4 && std::string(argv[4]) == "once";
  do {
    if (!file->save(folder, version)) {
      std::fprintf(stderr, "cannot save version %ld\n", version);
      return 1;
    }
    ++version;
  } while (!once);
  return 0;
}

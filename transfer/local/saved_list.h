// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ctime>
#include <string>
#include <string_view>

#include "transfer/local/ftp.h"

namespace transfer {

std::string removeBlanks(std::string_view text);

// "DirList_M-D-YYYY_H-M-S.txt" for the moment given, numbers without leading
// zeros.
std::string savedListName(const std::tm& at);

// Click of mnuItemSaveList, "Save Directory List to File": writes the entries
// of List1 into a file of the local folder named after the moment.
void saveDirectoryList(FTP& f);

}  // namespace transfer

#pragma once

#include <string>

#include "transfer/local/ftp.h"

namespace transfer {

// Adds the plain files of the folder to the list, in the file system's order;
// false when the file system fails on the way. A missing folder lists nothing.
bool listPlainFiles(const std::string& folder, Control& list);

// Click of Command8, "Local Directory of Files": lists the plain files of the
// local folder into List1.
void listLocalFiles(FTP& f);

// Click of Command7, "Change" beside the local folder.
void command7Click(FTP& f);

}  // namespace transfer

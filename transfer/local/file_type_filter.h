// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "transfer/local/ftp.h"

namespace transfer {

// The up to three characters after the first point of the name; empty when
// there is no point or the first point is the last character.
std::string extensionOf(std::string_view name);

// Click of Command2, "Apply Filter": keeps in List1 only the names whose
// extension is the text of Combo1, ignoring case, and remembers that text
// among the filters. "All" leaves the list as it is.
void applyFilter(FTP& f);

}  // namespace transfer

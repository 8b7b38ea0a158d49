// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

#include "game/table.h"

namespace game {

// The player file: the bank balance on line 1 and the debt on line 2.
std::filesystem::path playerFilePath(const Table& t);

// Reads the balance and the debt; a missing or too short file is replaced by
// the defaults, 3000 and no debt. A file that is there but cannot be read
// gives the defaults too, is left as it is, and the player is told why.
void loadPlayerFile(Table& t);

// Writes the balance and the debt; false when the file could not be written,
// in which case the old file is left whole.
[[nodiscard]] bool savePlayerFile(Table& t);

// Saves as the game is left (File > Exit, or the window closed): asks first
// when the file at start could not be read. Gives what to tell the player
// when the file cannot be written, else nothing.
std::string savePlayerFileOnLeaving(Table& t);

}  // namespace game

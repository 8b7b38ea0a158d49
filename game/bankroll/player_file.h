#pragma once

#include <filesystem>

#include "game/table.h"

namespace game {

// The player file: the bank balance on line 1 and the debt on line 2.
std::filesystem::path playerFilePath(const Table& t);

// Reads the balance and the debt; a missing or too short file is replaced by
// the defaults, 3000 and no debt.
void loadPlayerFile(Table& t);

// Writes the balance and the debt; false when the file could not be written,
// in which case the old file is left whole.
bool savePlayerFile(Table& t);

}  // namespace game

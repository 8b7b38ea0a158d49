// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/table.h"

namespace game {

// Connects the table's controls and menu items to their handlers.
void connectTableEvents(Table& t);

}  // namespace game

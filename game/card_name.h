// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace game {

// What a screen reader says for a card: "1C" -> "Ace of Clubs",
// "12H" -> "Queen of Hearts"; empty for a code that is no card.
std::string cardName(std::string_view code);

}  // namespace game

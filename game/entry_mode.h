// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "game/table.h"

namespace game {

// What the amount in the bet box means: the caption of Label16 is the state,
// with no variable beside it. Named once here.
inline constexpr std::string_view kBetEntry = "Bet";
inline constexpr std::string_view kDoubleDownEntry = "D-D";
inline constexpr std::string_view kInsuranceEntry = "Ins";
inline constexpr std::string_view kDepositEntry = "Debt";
inline constexpr std::string_view kPaymentEntry = "Pay";

inline void setEntryMode(Table& t, std::string_view mode) {
  t.Label16.caption = mode;
}
inline bool inEntryMode(const Table& t, std::string_view mode) {
  return t.Label16.caption == mode;
}

}  // namespace game

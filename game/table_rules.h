// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The numbers this table plays by, named once: the handlers play with them
// and the House Rules window states them, so the two cannot drift apart.

namespace game::rules {

// One deck; a draw after this many cards of a shuffle shuffles the whole deck
// again, the cards on the table with it. The deck's last card is never dealt.
inline constexpr int kCardsDealtPerShuffle = 51;
// The dealer draws below this total and stands on it, a soft one included.
inline constexpr double kDealerStandsOn = 17;
// A won natural pays this many times the stake, rounded down.
inline constexpr double kNaturalPays = 1.5;
// A two-card 21 against the dealer's 21 of three or more cards is a push and
// gets this share of its stake, rounded down.
inline constexpr double kNaturalBonus = 0.5;
// Insurance: at most this share of the stake, rounded down; pays this many
// times itself when the dealer has a natural.
inline constexpr double kInsuranceShare = 0.5;
inline constexpr double kInsurancePays = 2;
// A surrendered hand loses this share of its stake, rounded down.
inline constexpr double kSurrenderShare = 0.5;
// A double down raises the stake to at most this many times what it was.
inline constexpr double kDoubleDownTimes = 2;
// Loans: a deposit may raise the bank to this and no further ...
inline constexpr double kBankLimitForLoans = 10000;
// ... and the debt stops growing here, though the deposit is paid in full.
inline constexpr double kDebtLimit = 1000000;
// A payment must leave at least this much in the bank.
inline constexpr double kLeastBankAfterPayment = 1;
// A new player's bank, and the bank when the player file is missing.
inline constexpr double kStartingBank = 3000;

}  // namespace game::rules

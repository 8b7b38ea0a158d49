// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Plays deals at the table as a simple player does: bet 10, deal, hit below
// 17, stand from 17. Insurance, doubling and splits are never taken.

#include <chrono>
#include <functional>

#include "game/table.h"
#include "platform/control.h"
#include "platform/random_source.h"
#include "platform/text_number.h"

namespace bench {

constexpr double kStake = 10;
constexpr int kMostClicksADeal = 16;

// A clock that moves one second a call, so every reshuffle takes a new seed
// and a run is the same every time.
inline platform::Clock steppingClock() {
  return [tick = std::chrono::system_clock::time_point()]() mutable {
    tick += std::chrono::seconds(1);
    return tick;
  };
}

// `click` presses a button; the benchmarks pass one that times the press.
// Returns false when the table did not take the deal.
inline bool playOneDeal(game::Table& t, const std::function<void(platform::Control&)>& click) {
  if (t.money.bankBalance < kStake) t.money.bankBalance = 1000;
  t.Text1.setText(platform::plainForm(kStake));
  click(t.Command1);
  if (!t.play.dealInPlay && t.Command1.enabled) return t.entry.bet == 0;
  for (int clicks = 0; t.play.dealInPlay && clicks < kMostClicksADeal; ++clicks) {
    if (t.play.firstHandTotal < 17 && t.Command3.enabled && t.Command3.visible)
      click(t.Command3);
    else if (t.Command4.enabled && t.Command4.visible)
      click(t.Command4);
    else
      return false;
  }
  return !t.play.dealInPlay;
}

}  // namespace bench

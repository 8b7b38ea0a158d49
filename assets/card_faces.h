// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "assets/suit_shapes.h"

#include <QImage>
#include <QString>

namespace assets {

// Ranks run 1 (ace) to 13 (king).
inline constexpr int kAce = 1;
inline constexpr int kKing = 13;

// The game's display code: "1".."10", "J", "Q" or "K" followed by the suit letter, e.g. "10H", "QS".
QString cardCode(int rank, Suit suit);

QImage drawCardFace(int rank, Suit suit);

}  // namespace assets

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>

namespace assets {

// Twice the table's 1085 x 1485 twip card slot, so the game can scale down smoothly on any screen.
inline constexpr int kCardWidth = 145;
inline constexpr int kCardHeight = 198;

// BMP has no alpha: the corners outside the rounded card show the table's cloth colour instead.
QColor tableGreen();

// The card's rounded outline, inset so its antialiased edge stays inside the image.
QPainterPath cardShape();

// A white rounded card with a thin edge on the table green, ready to draw on.
QImage blankCard();

}  // namespace assets

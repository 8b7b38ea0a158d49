// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>

namespace assets {

enum class Suit { Clubs, Diamonds, Hearts, Spades };

inline constexpr Suit kSuits[] = {Suit::Clubs, Suit::Diamonds, Suit::Hearts, Suit::Spades};

// The letter the game's file names use: C, D, H or S.
char suitLetter(Suit suit);

QColor suitColour(Suit suit);

// Upright suit symbol (stem or point at the bottom), `height` pixels tall, centred on `centre`.
// Drawn as outlines so the cards never depend on which symbol glyphs a font has.
QPainterPath suitPath(Suit suit, QPointF centre, qreal height);

}  // namespace assets

// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/suit_shapes.h"

#include <QTransform>

namespace assets {
namespace {

// All shapes are designed in a unit box, x and y in [-0.5, 0.5], y pointing down.

QPainterPath heart() {
  QPainterPath p({0, 0.5});
  p.cubicTo({-0.1, 0.36}, {-0.5, 0.1}, {-0.5, -0.2});
  p.cubicTo({-0.5, -0.4}, {-0.36, -0.5}, {-0.25, -0.5});
  p.cubicTo({-0.12, -0.5}, {-0.03, -0.42}, {0, -0.3});
  p.cubicTo({0.03, -0.42}, {0.12, -0.5}, {0.25, -0.5});
  p.cubicTo({0.36, -0.5}, {0.5, -0.4}, {0.5, -0.2});
  p.cubicTo({0.5, 0.1}, {0.1, 0.36}, {0, 0.5});
  return p;
}

QPainterPath diamond() {
  // Slightly hollow sides, as on printed cards.
  QPainterPath p({0, -0.5});
  p.quadTo({0.15, -0.22}, {0.39, 0});
  p.quadTo({0.15, 0.22}, {0, 0.5});
  p.quadTo({-0.15, 0.22}, {-0.39, 0});
  p.quadTo({-0.15, -0.22}, {0, -0.5});
  return p;
}

QPainterPath stem() {
  QPainterPath p({-0.025, 0.05});
  p.lineTo(0.025, 0.05);
  p.quadTo({0.04, 0.4}, {0.21, 0.5});
  p.lineTo(-0.21, 0.5);
  p.quadTo({-0.04, 0.4}, {-0.025, 0.05});
  return p;
}

QPainterPath spade() {
  QPainterPath p({0, -0.5});
  p.cubicTo({0.1, -0.34}, {0.48, -0.14}, {0.48, 0.1});
  p.cubicTo({0.48, 0.27}, {0.36, 0.35}, {0.24, 0.35});
  p.cubicTo({0.13, 0.35}, {0.04, 0.29}, {0, 0.2});
  p.cubicTo({-0.04, 0.29}, {-0.13, 0.35}, {-0.24, 0.35});
  p.cubicTo({-0.36, 0.35}, {-0.48, 0.27}, {-0.48, 0.1});
  p.cubicTo({-0.48, -0.14}, {-0.1, -0.34}, {0, -0.5});
  return p.united(stem());
}

QPainterPath club() {
  constexpr qreal r = 0.22;
  QPainterPath p;
  p.addEllipse(QPointF(0, -0.27), r, r);
  p.addEllipse(QPointF(-0.26, 0.08), r, r);
  p.addEllipse(QPointF(0.26, 0.08), r, r);
  p.addEllipse(QPointF(0, 0.02), 0.13, 0.13);
  p.setFillRule(Qt::WindingFill);
  return p.simplified().united(stem());
}

}  // namespace

char suitLetter(Suit suit) {
  switch (suit) {
    case Suit::Clubs:
      return 'C';
    case Suit::Diamonds:
      return 'D';
    case Suit::Hearts:
      return 'H';
    case Suit::Spades:
      return 'S';
  }
  return '?';
}

QColor suitColour(Suit suit) {
  const bool red = suit == Suit::Diamonds || suit == Suit::Hearts;
  return red ? QColor(204, 0, 0) : QColor(20, 20, 20);
}

QPainterPath suitPath(Suit suit, QPointF centre, qreal height) {
  QPainterPath unit;
  switch (suit) {
    case Suit::Clubs:
      unit = club();
      break;
    case Suit::Diamonds:
      unit = diamond();
      break;
    case Suit::Hearts:
      unit = heart();
      break;
    case Suit::Spades:
      unit = spade();
      break;
  }
  QTransform t;
  t.translate(centre.x(), centre.y());
  t.scale(height, height);
  return t.map(unit);
}

}  // namespace assets

// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/card_faces.h"

#include "assets/card_frame.h"
#include "assets/text_path.h"

#include <QPainter>

#include <vector>

namespace assets {
namespace {

constexpr qreal kCentreX = kCardWidth / 2.0;
constexpr qreal kCentreY = kCardHeight / 2.0;

QString codeRank(int rank) {
  switch (rank) {
    case 11:
      return "J";
    case 12:
      return "Q";
    case 13:
      return "K";
    default:
      return QString::number(rank);
  }
}

// The file names call the ace 1; its face shows the A every player knows.
QString faceRank(int rank) {
  return rank == kAce ? QString("A") : codeRank(rank);
}

// Drawn once at the top left; the painter is turned half round for the bottom-right copy.
void drawIndex(QPainter& p, int rank, Suit suit) {
  p.fillPath(textPath(faceRank(rank), QRectF(5, 8, 23, 24)), suitColour(suit));
  p.fillPath(suitPath(suit, QPointF(16, 48), 19), suitColour(suit));
}

void drawTurned(QPainter& p, auto draw) {
  p.save();
  p.translate(kCentreX, kCentreY);
  p.rotate(180);
  p.translate(-kCentreX, -kCentreY);
  draw();
  p.restore();
}

// A pip in the card's pip area: column -1, 0 or 1; row from 0 (top) to 1 (bottom).
struct Pip {
  int column;
  qreal row;
};

std::vector<Pip> pipLayout(int rank) {
  const std::vector<Pip> sides4 = {{-1, 0}, {1, 0}, {-1, 1}, {1, 1}};
  const std::vector<Pip> sides6 = {{-1, 0}, {1, 0}, {-1, 0.5}, {1, 0.5}, {-1, 1}, {1, 1}};
  const std::vector<Pip> sides8 = {{-1, 0},       {1, 0},       {-1, 1 / 3.0}, {1, 1 / 3.0},
                                   {-1, 2 / 3.0}, {1, 2 / 3.0}, {-1, 1},       {1, 1}};
  auto plus = [](std::vector<Pip> base, std::initializer_list<Pip> more) {
    base.insert(base.end(), more);
    return base;
  };
  switch (rank) {
    case 2:
      return {{0, 0}, {0, 1}};
    case 3:
      return {{0, 0}, {0, 0.5}, {0, 1}};
    case 4:
      return sides4;
    case 5:
      return plus(sides4, {{0, 0.5}});
    case 6:
      return sides6;
    case 7:
      return plus(sides6, {{0, 0.25}});
    case 8:
      return plus(sides6, {{0, 0.25}, {0, 0.75}});
    case 9:
      return plus(sides8, {{0, 0.5}});
    case 10:
      return plus(sides8, {{0, 1 / 6.0}, {0, 5 / 6.0}});
    default:
      return {};
  }
}

void drawPips(QPainter& p, int rank, Suit suit) {
  constexpr qreal kColumnGap = 29;
  constexpr qreal kTop = 36;
  constexpr qreal kBottom = kCardHeight - kTop;
  constexpr qreal kPipHeight = 27;
  for (const Pip& pip : pipLayout(rank)) {
    const QPointF at(kCentreX + pip.column * kColumnGap, kTop + pip.row * (kBottom - kTop));
    // Pips in the lower half point the other way, as on printed cards.
    const bool turned = pip.row > 0.5;
    const QPointF drawAt = turned ? QPointF(kCardWidth, kCardHeight) - at : at;
    if (turned) {
      drawTurned(p, [&] { p.fillPath(suitPath(suit, drawAt, kPipHeight), suitColour(suit)); });
    } else {
      p.fillPath(suitPath(suit, drawAt, kPipHeight), suitColour(suit));
    }
  }
}

QColor courtTint(Suit suit) {
  const bool red = suitColour(suit).red() > 128;
  return red ? QColor(253, 236, 232) : QColor(232, 238, 248);
}

void drawCourt(QPainter& p, int rank, Suit suit) {
  const QColor ink = suitColour(suit);
  const QRectF panel(31, 24, kCardWidth - 62, kCardHeight - 48);
  p.setPen(QPen(ink, 2.5));
  p.setBrush(courtTint(suit));
  p.drawRoundedRect(panel, 4, 4);
  p.setPen(QPen(ink, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(panel.adjusted(5, 5, -5, -5), 2, 2);

  // Small enough that the Q's tail stays clear of the lower pip.
  p.fillPath(textPath(faceRank(rank), QRectF(kCentreX - 28, kCentreY - 24, 56, 48)), ink);
  const qreal pipY = panel.top() + 21;
  p.fillPath(suitPath(suit, QPointF(kCentreX, pipY), 26), ink);
  drawTurned(p, [&] { p.fillPath(suitPath(suit, QPointF(kCentreX, pipY), 26), ink); });
}

}  // namespace

QString cardCode(int rank, Suit suit) {
  return codeRank(rank) + QChar(suitLetter(suit));
}

QImage drawCardFace(int rank, Suit suit) {
  QImage image = blankCard();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);

  drawIndex(p, rank, suit);
  drawTurned(p, [&] { drawIndex(p, rank, suit); });

  if (rank == kAce) {
    p.fillPath(suitPath(suit, QPointF(kCentreX, kCentreY), 78), suitColour(suit));
  } else if (rank <= 10) {
    drawPips(p, rank, suit);
  } else {
    drawCourt(p, rank, suit);
  }
  return image;
}

}  // namespace assets

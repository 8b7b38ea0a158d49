// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/phase_icons.h"

#include "assets/suit_shapes.h"
#include "assets/text_path.h"

#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace assets {
namespace {

// Icons are designed on a 64 x 64 grid and scaled to each size.
constexpr qreal kGrid = 64;

void drawMiniCard(QPainter& p, QPointF centre, qreal angle, Suit suit) {
  p.save();
  p.translate(centre);
  p.rotate(angle);
  p.setPen(QPen(QColor(50, 50, 50), 2));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(-15, -21, 30, 42), 4, 4);
  p.setPen(Qt::NoPen);
  p.fillPath(suitPath(suit, QPointF(0, 0), 18), suitColour(suit));
  p.restore();
}

// A round badge at the icon's lower right, ringed in white to stand off the card behind it.
void drawBadge(QPainter& p, const QColor& fill) {
  p.setPen(QPen(Qt::white, 3));
  p.setBrush(fill);
  p.drawEllipse(QPointF(44, 44), 17, 17);
}

void drawDealStarted(QPainter& p) {
  drawMiniCard(p, QPointF(24, 34), -15, Suit::Spades);
  drawMiniCard(p, QPointF(40, 32), 12, Suit::Hearts);
}

void drawPlayerHit(QPainter& p) {
  drawMiniCard(p, QPointF(24, 28), -6, Suit::Hearts);
  drawBadge(p, QColor(20, 150, 40));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(44 - 10, 44 - 3, 20, 6));
  p.drawRect(QRectF(44 - 3, 44 - 10, 6, 20));
}

void drawPlayerStands(QPainter& p) {
  drawMiniCard(p, QPointF(24, 28), -6, Suit::Spades);
  // A stop sign: an octagon with a white bar.
  QPolygonF octagon;
  for (int i = 0; i < 8; ++i) {
    const qreal a = (22.5 + 45 * i) * std::numbers::pi / 180;
    octagon << QPointF(44 + 17 * std::cos(a), 44 + 17 * std::sin(a));
  }
  p.setPen(QPen(Qt::white, 3));
  p.setBrush(QColor(210, 20, 20));
  p.drawPolygon(octagon);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(44 - 10, 44 - 3, 20, 6));
}

void drawDealSettled(QPainter& p) {
  const QPointF c(32, 32);
  QRadialGradient gold(c - QPointF(8, 8), 34);
  gold.setColorAt(0, QColor(255, 236, 140));
  gold.setColorAt(1, QColor(214, 158, 20));
  p.setPen(QPen(QColor(150, 100, 0), 2.5));
  p.setBrush(gold);
  p.drawEllipse(c, 28, 28);
  p.setPen(QPen(QColor(170, 118, 10), 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, 22, 22);
  p.setPen(Qt::NoPen);
  p.fillPath(textPath("$", QRectF(20, 18, 24, 28)), QColor(120, 78, 0));
}

}  // namespace

QString phaseIconFileName(PhaseIcon icon) {
  return QString("MISC%1.ICO").arg(static_cast<int>(icon));
}

QImage drawPhaseIcon(PhaseIcon icon, int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / kGrid, size / kGrid);
  switch (icon) {
    case PhaseIcon::DealStarted:
      drawDealStarted(p);
      break;
    case PhaseIcon::PlayerHit:
      drawPlayerHit(p);
      break;
    case PhaseIcon::PlayerStands:
      drawPlayerStands(p);
      break;
    case PhaseIcon::DealSettled:
      drawDealSettled(p);
      break;
  }
  return image;
}

}  // namespace assets

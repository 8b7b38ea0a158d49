// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/card_back.h"

#include "assets/card_frame.h"

#include <QPainter>

namespace assets {

QImage drawCardBack() {
  QImage image = blankCard();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

  const QRectF field(9, 9, kCardWidth - 18, kCardHeight - 18);
  QPainterPath fieldShape;
  fieldShape.addRoundedRect(field, 5, 5);
  p.fillPath(fieldShape, QColor(122, 16, 30));

  // The lattice is centred on the card so the back looks the same either way up.
  p.save();
  p.setClipPath(fieldShape);
  const QPointF c = field.center();
  constexpr qreal kStep = 12;
  const qreal reach = field.width() + field.height();
  p.setPen(QPen(QColor(196, 84, 92), 1.3));
  for (int k = -20; k <= 20; ++k) {
    const qreal d = k * kStep;
    p.drawLine(QPointF(c.x() + d - reach, c.y() - reach), QPointF(c.x() + d + reach, c.y() + reach));
    p.drawLine(QPointF(c.x() + d - reach, c.y() + reach), QPointF(c.x() + d + reach, c.y() - reach));
  }
  // A small light diamond in each lattice cell.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(236, 200, 190));
  constexpr qreal kHalf = kStep / 2;
  for (int i = -20; i <= 20; ++i) {
    for (int j = -20; j <= 20; ++j) {
      if ((i + j) % 2 != 0) continue;
      const QPointF at(c.x() + i * kHalf, c.y() + j * kHalf + kHalf);
      if (!field.adjusted(-2, -2, 2, 2).contains(at)) continue;
      const QPointF dot[] = {at + QPointF(0, -1.8), at + QPointF(1.8, 0), at + QPointF(0, 1.8),
                             at + QPointF(-1.8, 0)};
      p.drawPolygon(dot, 4);
    }
  }
  p.restore();

  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::white, 1.5));
  p.drawRoundedRect(field.adjusted(4, 4, -4, -4), 3, 3);
  return image;
}

}  // namespace assets

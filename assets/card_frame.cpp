// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/card_frame.h"

#include <QPainter>

namespace assets {

QColor tableGreen() {
  return QColor(0, 128, 0);
}

QPainterPath cardShape() {
  QPainterPath p;
  p.addRoundedRect(QRectF(0.75, 0.75, kCardWidth - 1.5, kCardHeight - 1.5), 10, 10);
  return p;
}

QImage blankCard() {
  QImage image(kCardWidth, kCardHeight, QImage::Format_RGB32);
  image.fill(tableGreen());
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(70, 70, 70), 1.5));
  p.setBrush(Qt::white);
  p.drawPath(cardShape());
  return image;
}

}  // namespace assets

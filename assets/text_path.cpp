// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/text_path.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QTransform>

#include <algorithm>

namespace assets {

QFont labelFont() {
  QFont font("Liberation Sans");
  font.setBold(true);
  // Outlines are taken at a large size and scaled down, so hinting would only distort them.
  font.setPixelSize(200);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

bool labelFontAvailable() {
  return QFontInfo(labelFont()).family() == "Liberation Sans";
}

QPainterPath textPath(const QString& text, const QRectF& capBox) {
  const QFont font = labelFont();
  QPainterPath raw;
  raw.addText(0, 0, font, text);
  const QRectF ink = raw.boundingRect();
  const qreal scale = capBox.height() / QFontMetricsF(font).capHeight();
  const qreal sx = std::min(scale, capBox.width() / ink.width());
  QTransform t;
  t.translate(capBox.center().x(), capBox.bottom());
  t.scale(sx, scale);
  t.translate(-ink.center().x(), 0);
  return t.map(raw);
}

}  // namespace assets

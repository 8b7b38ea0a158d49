// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/app_icons.h"

#include "assets/card_back.h"
#include "assets/card_faces.h"
#include "assets/quillmere_assets.h"

#include <QDir>
#include <QPainter>

#include <tuple>
#include <utility>

namespace assets {

QImage drawTavorinIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.scale(size / 64.0, size / 64.0);

  // A round felt badge with a card back and the ace of spades fanned on it.
  p.setPen(QPen(QColor(0, 50, 16), 2));
  p.setBrush(QColor(0, 110, 40));
  p.drawEllipse(QRectF(2, 2, 60, 60));
  const QRectF card(0, 0, 26, 36);
  for (const auto& [picture, angle, x] :
       {std::tuple{drawCardBack(), -14.0, 22.0}, std::tuple{drawCardFace(kAce, Suit::Spades), 12.0, 38.0}}) {
    p.save();
    p.translate(x, 33);
    p.rotate(angle);
    p.translate(-card.width() / 2, -card.height() / 2);
    p.drawImage(card, picture);
    p.setPen(QPen(QColor(40, 40, 40), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(card);
    p.restore();
  }
  return image;
}

QImage drawQuillmereIcon(int size) {
  return drawQuillmereEmblem(size, false);
}

bool writeDesktopIcons(const QString& folder, QString& error) {
  for (int size : kDesktopIconSizes) {
    const QString apps = QStringLiteral("%1/hicolor/%2x%2/apps").arg(folder).arg(size);
    if (!QDir().mkpath(apps)) {
      error = "cannot make " + apps;
      return false;
    }
    for (const auto& [name, image] : {std::pair{"tavorin.png", drawTavorinIcon(size)},
                                      std::pair{"quillmere.png", drawQuillmereIcon(size)}}) {
      const QString path = QDir(apps).filePath(name);
      if (!image.save(path, "PNG")) {
        error = "cannot write " + path;
        return false;
      }
    }
  }
  return true;
}

}  // namespace assets

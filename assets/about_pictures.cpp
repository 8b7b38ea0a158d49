// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/about_pictures.h"

#include "assets/card_faces.h"
#include "assets/quillmere_assets.h"
#include "assets/text_path.h"

#include <QLinearGradient>
#include <QPainter>

#include <tuple>

namespace assets {
namespace {

void writeLine(QPainter& p, const QRectF& box, const QString& text, int pixels, bool bold,
               const QColor& colour) {
  QFont font = labelFont();
  font.setBold(bold);
  font.setPixelSize(pixels);
  font.setHintingPreference(QFont::PreferDefaultHinting);
  p.setFont(font);
  p.setPen(colour);
  p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
}

const QString kVersion = QStringLiteral("Version " ASSET_VERSION);
const QString kClickHint = QStringLiteral("Click the picture for the makers' page");

}  // namespace

QImage drawTavorinAbout() {
  QImage image(340, 183, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  // Lighter at the top like a lit table, the window's own green at the bottom.
  QLinearGradient felt(0, 0, 0, 183);
  felt.setColorAt(0, QColor(0, 140, 56));
  felt.setColorAt(1, kTavorinFelt);
  p.fillRect(image.rect(), felt);

  const QRectF card(0, 0, 72, 98);
  for (const auto& [rank, suit, angle, x] :
       {std::tuple{kKing, Suit::Hearts, -10.0, 50.0}, std::tuple{kAce, Suit::Spades, 8.0, 88.0}}) {
    p.save();
    p.translate(x, 84);
    p.rotate(angle);
    p.translate(-card.width() / 2, -card.height() / 2);
    p.drawImage(card, drawCardFace(rank, suit));
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.drawRect(card);
    p.restore();
  }

  const QColor gold(255, 215, 80);
  writeLine(p, QRectF(146, 26, 190, 40), "Tavorin", 36, true, gold);
  writeLine(p, QRectF(148, 66, 190, 20), "Twenty-one against the dealer", 12, false, Qt::white);
  writeLine(p, QRectF(148, 88, 190, 20), kVersion, 12, false, Qt::white);
  writeLine(p, QRectF(12, 150, 320, 20), kClickHint, 11, false, QColor(220, 240, 220));
  return image;
}

QImage drawQuillmereAbout() {
  QImage image(342, 184, QImage::Format_RGB32);
  image.fill(kQuillmereYellow);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.drawImage(QPointF(16, 22), drawQuillmereEmblem(112, false));

  const QColor ink(20, 40, 110);
  writeLine(p, QRectF(142, 30, 196, 40), "Quillmere", 34, true, ink);
  writeLine(p, QRectF(144, 70, 196, 20), "An Internet File Transfer Tool", 12, false, Qt::black);
  writeLine(p, QRectF(144, 92, 196, 20), kVersion, 12, false, Qt::black);
  writeLine(p, QRectF(12, 150, 320, 20), kClickHint, 11, false, ink);
  return image;
}

}  // namespace assets

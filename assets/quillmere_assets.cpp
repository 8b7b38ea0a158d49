// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/quillmere_assets.h"

#include "assets/about_pictures.h"
#include "assets/ico_file.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>

namespace assets {
namespace {

const QColor kYellow(255, 255, 0);
const QColor kInk(20, 40, 110);
const QColor kFetch(0, 130, 60);
const QColor kSend(200, 60, 20);

void drawArrow(QPainter& p, QPointF from, QPointF to, const QColor& color, double width) {
  p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(from, to);
  const QPointF direction = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
  const QPointF normal(-direction.y(), direction.x());
  QPainterPath head;
  head.moveTo(to + direction * width * 1.4);
  head.lineTo(to - direction * width * 1.2 + normal * width * 1.5);
  head.lineTo(to - direction * width * 1.2 - normal * width * 1.5);
  head.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.drawPath(head);
}

}  // namespace

QImage drawQuillmereEmblem(int size, bool opaque) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(opaque ? kYellow : QColor(Qt::transparent));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 64.0, size / 64.0);

  // A round badge so the emblem reads on any background.
  p.setPen(QPen(kInk, 2));
  p.setBrush(QColor(255, 250, 225));
  p.drawEllipse(QRectF(3, 3, 58, 58));

  drawArrow(p, QPointF(14, 20), QPointF(14, 46), kFetch, 4);
  drawArrow(p, QPointF(50, 46), QPointF(50, 20), kSend, 4);

  // The quill: a feather vane along a curved shaft.
  QPainterPath vane;
  vane.moveTo(22, 50);
  vane.cubicTo(22, 34, 30, 16, 44, 10);
  vane.cubicTo(42, 24, 36, 40, 22, 50);
  p.setPen(QPen(kInk, 1.5));
  p.setBrush(QColor(245, 245, 255));
  p.drawPath(vane);
  p.setPen(QPen(kInk, 1.8, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(20, 54), QPointF(40, 16));
  return image;
}

bool writeQuillmereAssets(const QString& folder, QString& error) {
  if (!QDir().mkpath(folder)) {
    error = "cannot make " + folder;
    return false;
  }
  const QString picture = QDir(folder).filePath("quillmere.BMP");
  if (!drawQuillmereEmblem(64, true).convertToFormat(QImage::Format_RGB32).save(picture, "BMP")) {
    error = "cannot write " + picture;
    return false;
  }
  const QString about = QDir(folder).filePath("about.BMP");
  if (!drawQuillmereAbout().convertToFormat(QImage::Format_RGB888).save(about, "BMP")) {
    error = "cannot write " + about;
    return false;
  }
  const QString icon = QDir(folder).filePath("quillmere.ICO");
  if (!writeIco(icon, {drawQuillmereEmblem(32, false), drawQuillmereEmblem(48, false),
                       drawQuillmereEmblem(64, false)})) {
    error = "cannot write " + icon;
    return false;
  }
  return true;
}

}  // namespace assets

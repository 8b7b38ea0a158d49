// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/ico_file.h"

#include <QByteArray>
#include <QFile>
#include <QtEndian>

// Encoded here rather than with Qt's ICO writer: that stores one image per file and leaves the mask's
// row padding uninitialised, so two builds of the same icon differed byte for byte.

namespace assets {
namespace {

constexpr int kHeaderSize = 6;
constexpr int kEntrySize = 16;
constexpr int kInfoHeaderSize = 40;

void putU8(QByteArray& b, int v) {
  b.append(static_cast<char>(v));
}

void putU16(QByteArray& b, quint16 v) {
  char raw[2];
  qToLittleEndian(v, raw);
  b.append(raw, 2);
}

void putU32(QByteArray& b, quint32 v) {
  char raw[4];
  qToLittleEndian(v, raw);
  b.append(raw, 4);
}

// A BITMAPINFOHEADER, the colour rows and the 1-bit transparency mask, both bottom row first.
QByteArray encodeImage(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  const int w = image.width();
  const int h = image.height();
  const int maskStride = ((w + 31) / 32) * 4;

  QByteArray data;
  putU32(data, kInfoHeaderSize);
  putU32(data, w);
  putU32(data, 2 * h);  // colour and mask together, as the format counts them
  putU16(data, 1);
  putU16(data, 32);
  putU32(data, 0);
  putU32(data, w * h * 4 + maskStride * h);
  for (int i = 0; i < 4; ++i)
    putU32(data, 0);

  QByteArray mask(maskStride * h, '\0');
  for (int y = h - 1; y >= 0; --y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    const int maskRow = (h - 1 - y) * maskStride;
    for (int x = 0; x < w; ++x) {
      putU8(data, qBlue(row[x]));
      putU8(data, qGreen(row[x]));
      putU8(data, qRed(row[x]));
      putU8(data, qAlpha(row[x]));
      if (qAlpha(row[x]) == 0)
        mask[maskRow + x / 8] = static_cast<char>(mask[maskRow + x / 8] | (0x80 >> (x % 8)));
    }
  }
  return data + mask;
}

}  // namespace

bool writeIco(const QString& path, const QList<QImage>& images) {
  QByteArray directory;
  putU16(directory, 0);
  putU16(directory, 1);  // resource type: icon
  putU16(directory, static_cast<quint16>(images.size()));
  QByteArray body;
  for (const QImage& image : images) {
    if (image.width() > 256 || image.height() > 256) return false;
    const QByteArray data = encodeImage(image);
    putU8(directory, image.width() % 256);  // 0 stands for 256
    putU8(directory, image.height() % 256);
    putU8(directory, 0);
    putU8(directory, 0);
    putU16(directory, 1);
    putU16(directory, 32);
    putU32(directory, data.size());
    putU32(directory, kHeaderSize + kEntrySize * images.size() + body.size());
    body.append(data);
  }
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const QByteArray all = directory + body;
  return file.write(all) == all.size();
}

}  // namespace assets

// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/tavorin_assets.h"

#include "assets/about_pictures.h"
#include "assets/app_icons.h"
#include "assets/card_back.h"
#include "assets/card_faces.h"
#include "assets/ico_file.h"
#include "assets/phase_icons.h"

#include <QDir>
#include <QImage>

namespace assets {
namespace {

// 24-bit BMP: what every reader of the old picture format understands.
bool saveBmp(const QImage& image, const QString& path) {
  return image.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
}

}  // namespace

bool writeTavorinAssets(const QString& folder, QString& error) {
  QDir dir(folder);
  if (!dir.mkpath(".")) {
    error = "cannot create folder " + folder;
    return false;
  }
  auto fail = [&](const QString& name) {
    error = "cannot write " + dir.filePath(name);
    return false;
  };

  for (Suit suit : kSuits) {
    for (int rank = kAce; rank <= kKing; ++rank) {
      const QString name = cardCode(rank, suit) + ".BMP";
      if (!saveBmp(drawCardFace(rank, suit), dir.filePath(name))) return fail(name);
    }
  }
  if (!saveBmp(drawCardBack(), dir.filePath("back.BMP"))) return fail("back.BMP");
  if (!saveBmp(drawTavorinAbout(), dir.filePath("about.BMP"))) return fail("about.BMP");

  QList<QImage> ownSizes;
  for (int size : kIconSizes)
    ownSizes.append(drawTavorinIcon(size));
  if (!writeIco(dir.filePath("tavorin.ICO"), ownSizes)) return fail("tavorin.ICO");

  for (PhaseIcon icon : kPhaseIcons) {
    QList<QImage> sizes;
    for (int size : kIconSizes)
      sizes.append(drawPhaseIcon(icon, size));
    const QString name = phaseIconFileName(icon);
    if (!writeIco(dir.filePath(name), sizes)) return fail(name);
  }
  return true;
}

}  // namespace assets

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QString>

namespace assets {

// Writes one .ICO holding every image (each at most 256 x 256) as 32-bit colour with alpha, in the given
// order: QImage loads the first, QIcon offers them all.
bool writeIco(const QString& path, const QList<QImage>& images);

}  // namespace assets

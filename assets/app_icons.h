// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace assets {

// The programs' icons for the desktop's menus, square, on a transparent background.
QImage drawTavorinIcon(int size);
QImage drawQuillmereIcon(int size);

// Sizes of the icon theme's fixed-size folders we fill.
inline constexpr int kDesktopIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// Writes <folder>/hicolor/<n>x<n>/apps/tavorin.png and quillmere.png for every size.
bool writeDesktopIcons(const QString& folder, QString& error);

}  // namespace assets

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>

namespace assets {

// The pictures of the two About windows: the program's name and emblem, its
// version and a hint that a click leads to the makers' page. Their lower edge
// is the window's own colour, so the picture box runs on below them unbroken.
inline const QColor kTavorinFelt(0, 96, 32);
inline const QColor kQuillmereYellow(255, 255, 0);
QImage drawTavorinAbout();    // 340 x 183
QImage drawQuillmereAbout();  // 342 x 184

}  // namespace assets

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace assets {

// Draws Tavorin's pictures into `folder` (created when missing): the 52 faces, back.BMP, the phase icons
// and the About picture (about.BMP).
// On failure returns false and says which file in `error`.
bool writeTavorinAssets(const QString& folder, QString& error);

}  // namespace assets

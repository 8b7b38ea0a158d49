// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace assets {

// Quillmere's emblem: a quill over two arrows, one fetching and one sending.
QImage drawQuillmereEmblem(int size, bool opaque);

// Draws Quillmere's pictures into `folder` (created when missing): the
// window's emblem picture (quillmere.BMP, 64 x 64), its icon (quillmere.ICO)
// and the About picture (about.BMP).
bool writeQuillmereAssets(const QString& folder, QString& error);

}  // namespace assets

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace assets {

// Liberation Sans bold: the Arial-metric font the programs use everywhere.
QFont labelFont();

// True when the font database really has Liberation Sans, not a substitute.
bool labelFontAvailable();

// `text` as an outline whose capital letters fill `capBox` from its top to its bottom (the baseline),
// centred across it and squeezed sideways when wider than the box.
QPainterPath textPath(const QString& text, const QRectF& capBox);

}  // namespace assets

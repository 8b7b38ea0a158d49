// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace assets {

// The window icons that show how far a deal has got; the numbers are the game's file names (MISC34.ICO ...).
enum class PhaseIcon { DealStarted = 34, PlayerHit = 35, PlayerStands = 36, DealSettled = 37 };

inline constexpr PhaseIcon kPhaseIcons[] = {PhaseIcon::DealStarted, PhaseIcon::PlayerHit,
                                            PhaseIcon::PlayerStands, PhaseIcon::DealSettled};

// Sizes stored in each icon file, the first being what a plain image load returns.
inline constexpr int kIconSizes[] = {32, 48, 64};

QString phaseIconFileName(PhaseIcon icon);

// A square icon with a transparent background.
QImage drawPhaseIcon(PhaseIcon icon, int size);

}  // namespace assets

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Qt aborts when its platform plugin finds no screen; the programs look first
// so that they can say so and end cleanly instead.

namespace platform::qt {

// Whether the platform Qt is going to use has a display to open: an X server
// that accepts a connection, a Wayland compositor Qt has a plugin for, or a
// platform such as offscreen that needs none. When only Wayland answers, Qt
// is told to use it.
bool displayAvailable();

}  // namespace platform::qt

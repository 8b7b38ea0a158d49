// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Character classes for texts that come from outside (a server, a file):
// decided on the byte alone, whatever the locale.

namespace platform {

// The C0 controls and DEL: bytes a name or an address must never carry into
// a path, a request or a message.
bool isControlCharacter(char c);

}  // namespace platform

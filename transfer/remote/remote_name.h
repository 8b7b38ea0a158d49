// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Rules for the names a transfer works with. Names the server sends are
// untrusted: only a plain name may become part of a local path or a request.

#include <string>
#include <string_view>

namespace transfer {

// True when the name holds at least one blank " "; no other character counts.
// Transfers leave such files out, since the operation text separates its
// paths by blanks.
bool hasBlank(std::string_view name);

// A listing entry ("name", or "name/" for a folder) that is one plain name:
// not empty, not "." or "..", at most 255 bytes, and without "/" (but the
// folder's last), "\" or control characters.
bool isSafeRemoteName(std::string_view entry);

// The name as a message can show it: control characters become "?".
std::string printableName(std::string_view name);

}  // namespace transfer

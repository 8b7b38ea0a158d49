// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Starts a program on Qt without its main file seeing Qt.

#include "platform/control.h"
#include "platform/host.h"

#include <functional>
#include <string>

namespace platform::qt {

// summary is the one line --help tells about the program. load builds the program's model with the given
// host, runs its start-up handler and returns the main form; the program ends when that window is closed or a
// handler ends it. Returns the process exit code.
int runApplication(int argc, char** argv, const std::string& programName, const std::string& summary,
                   const std::function<platform::Form&(platform::Host&)>& load);

}  // namespace platform::qt

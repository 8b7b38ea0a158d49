// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Help menu of both programs: the manual and the About window.

#include <string>

#include "platform/control.h"
#include "platform/host.h"
#include "shared/help/help_setup.h"

namespace help {

// Opens `target` in the desktop's viewer; when nothing can show it, says
// which of the program's files (`what`) could not be opened.
void openOrReport(platform::Host& host, const std::string& target, const std::string& what);

// The manual item: a further viewer window on the manual at every click.
void openManual(platform::Host& host, const HelpSetup& setup);

// The About item: the About window, modal; returns when it has closed.
void showAbout(platform::Host& host, const HelpSetup& setup);

void connectHelpEvents(platform::MenuItem& manualItem, platform::MenuItem& aboutItem, platform::Host& host,
                       HelpSetup setup);

}  // namespace help

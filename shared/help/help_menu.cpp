// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/help/help_menu.h"

#include <utility>

#include "shared/help/about.h"

namespace help {

void openOrReport(platform::Host& host, const std::string& target, const std::string& what) {
  if (!host.openInBrowser(target))
    host.messageBox("Could not open " + what + ":\n" + target, platform::MessageButtons::Ok);
}

void openManual(platform::Host& host, const HelpSetup& setup) {
  openOrReport(host, setup.manual, "the manual");
}

void showAbout(platform::Host& host, const HelpSetup& setup) {
  // Loaded afresh at every showing and gone once closed.
  About about(host, setup);
  host.showModal(about);
}

void connectHelpEvents(platform::MenuItem& manualItem, platform::MenuItem& aboutItem, platform::Host& host,
                       HelpSetup setup) {
  manualItem.onClick = [&host, setup] { openManual(host, setup); };
  aboutItem.onClick = [&host, setup = std::move(setup)] { showAbout(host, setup); };
}

}  // namespace help

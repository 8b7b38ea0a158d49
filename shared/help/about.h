// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The About window: the program's picture covering the window, which opens
// the makers' page when clicked, and a Close button on it; below the picture,
// a line telling the programs' licence.

#include <string>

#include "platform/control.h"
#include "platform/host.h"
#include "shared/help/help_setup.h"

namespace help {

class About : public platform::Form {
 public:
  About(platform::Host& host, const HelpSetup& setup);

  platform::Host& host;
  const std::string makersPage;
  platform::Control Picture1, Command1, Label1;
};

// "Close": unloads the window.
void aboutCommand1Click(About& a);
// The picture: opens the makers' page.
void aboutPicture1Click(About& a);

}  // namespace help

// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/help/about.h"

#include "shared/help/help_menu.h"

namespace help {

using platform::ControlKind;

About::About(platform::Host& host_, const HelpSetup& setup)
    : host(host_),
      makersPage(setup.makersPage),
      Picture1(ControlKind::Image, "Picture1", {0, 0, 5100, 3360}),
      Command1(ControlKind::CommandButton, "Command1", {1800, 2880, 1575, 375}),
      Label1(ControlKind::Label, "Label1", {0, 3360, 5100, 300}) {
  caption = setup.aboutTitle;
  clientWidth = 5100;
  // The picture's 3360 twips, then the licence line.
  clientHeight = 3660;
  height = clientHeight + kCaptionAndMenuTwips;
  backColor = setup.aboutBackColor;
  // A picture box: the bitmap at its own size, never stretched to the window.
  Picture1.picture = setup.aboutPicture;
  Picture1.stretch = false;
  Picture1.backColor = setup.aboutBackColor;
  Command1.caption = "Close";
  Label1.caption = "Free software under the GNU GPL, version 3 or later";
  Label1.alignment = platform::Alignment::Center;
  Label1.backColor = setup.aboutBackColor;
  // Tavorin's window is dark green, Quillmere's yellow: the line must read on both.
  const platform::Rgb back = setup.aboutBackColor;
  const bool dark = back.red * 299 + back.green * 587 + back.blue * 114 < 128 * 1000;
  Label1.foreColor = dark ? platform::Rgb{255, 255, 255} : platform::Rgb{0, 0, 0};
  Picture1.accessibleName = "The makers' page";
  defaultButton = &Command1;
  cancelButton = &Command1;
  controls = {&Picture1, &Command1, &Label1};
  Picture1.onClick = [this] { aboutPicture1Click(*this); };
  Command1.onClick = [this] { aboutCommand1Click(*this); };
}

void aboutCommand1Click(About& a) {
  a.unloadRequested = true;
}

void aboutPicture1Click(About& a) {
  openOrReport(a.host, a.makersPage, "the makers' page");
}

}  // namespace help

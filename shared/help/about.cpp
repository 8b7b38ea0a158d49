#include "shared/help/about.h"

#include "shared/help/help_menu.h"

namespace help {

using platform::ControlKind;

About::About(platform::Host& host_, const HelpSetup& setup)
    : host(host_),
      makersPage(setup.makersPage),
      Picture1(ControlKind::Image, "Picture1", {0, 0, 5100, 3360}),
      Command1(ControlKind::CommandButton, "Command1", {1800, 2880, 1575, 375}) {
  caption = setup.aboutTitle;
  clientWidth = 5100;
  clientHeight = 3360;
  height = clientHeight + kCaptionAndMenuTwips;
  backColor = setup.aboutBackColor;
  // A picture box: the bitmap at its own size, never stretched to the window.
  Picture1.picture = setup.aboutPicture;
  Picture1.stretch = false;
  Picture1.backColor = setup.aboutBackColor;
  Command1.caption = "Close";
  controls = {&Picture1, &Command1};
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

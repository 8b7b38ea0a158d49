// SPDX-License-Identifier: GPL-3.0-or-later
// The Help menu of both programs through their real windows and a scripted
// host: the manual, the About window and its picture.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/table.h"
#include "shared/help/about.h"
#include "support/fake_host.h"
#include "support/scripted_random.h"
#include "support/temp_folder.h"
#include "transfer/local/quillmere.h"

namespace help {
namespace {

namespace fs = std::filesystem;
using platform::MenuItem;
using testing_support::FakeHost;

// One program's main window with its Help menu.
struct Window {
  std::shared_ptr<void> owner;
  platform::Form* form;
  MenuItem* help;
  MenuItem* manual;
  MenuItem* about;
};

struct Program {
  const char* name;
  std::function<Window(FakeHost&, const fs::path& assets, const fs::path& data)> open;
  const char* manualCaption;
  const char* manualFile;
  const char* shortcut;
  const char* aboutCaption;
  const char* aboutTitle;
  // The program's own items between the manual and About.
  std::vector<std::string> ownItems;
};

struct TavorinWindow {
  TavorinWindow(FakeHost& host, const fs::path& assets, const fs::path& data)
      : table(host, random, assets, data) {}
  testing_support::ScriptedRandom random;
  game::Table table;
};

Window openTavorin(FakeHost& host, const fs::path& assets, const fs::path& data) {
  auto window = std::make_shared<TavorinWindow>(host, assets, data);
  game::Table& t = window->table;
  return {window, &t, &t.mnuItemHelp, &t.mnuItemManual, &t.mnuItemAbout};
}

Window openQuillmere(FakeHost& host, const fs::path& assets, const fs::path& data) {
  auto program = std::make_shared<transfer::Quillmere>(host, assets, data, data / "downloads");
  transfer::FTP& f = program->window;
  return {program, &f, &f.mnuItemHelp, &f.mnuItemUserManual, &f.mnuItemAbout};
}

const Program kPrograms[] = {
    {"Tavorin",
     openTavorin,
     "Manual",
     "TavorinUserManual.pdf",
     "",
     "About Tavorin",
     "Tavorin Twenty-One",
     {"House Rules", "Statistics"}},
    {"Quillmere",
     openQuillmere,
     "User Manual",
     "Quillmere_User_Manual.pdf",
     "Ctrl+H",
     "About Quillmere",
     "Quillmere",
     {}},
};

class HelpMenuTest : public ::testing::TestWithParam<Program> {
 protected:
  HelpMenuTest() : window(GetParam().open(host, assets, data)) {}
  ~HelpMenuTest() override {
    std::error_code ignored;
    fs::remove_all(data, ignored);
  }

  // Clicks the About item; `inside` runs while the About window is open.
  void showAbout(const std::function<void(About&)>& inside) {
    host.onModal = [&](platform::Form& form) {
      // The only window the Help menu shows.
      inside(static_cast<About&>(form));
    };
    window.about->click();
  }

  FakeHost host;
  const fs::path assets = "/opt/program-assets";
  const fs::path data = testing_support::freshTempFolder("help");
  Window window;
};

TEST_P(HelpMenuTest, TheHelpMenuEndsTheMenuBarWithTheManualAndAbout) {
  const Program& program = GetParam();
  EXPECT_EQ(window.form->menus.back(), window.help);
  ASSERT_EQ(window.help->items.size(), 2 + program.ownItems.size());
  EXPECT_EQ(window.help->items.front(), window.manual);
  EXPECT_EQ(window.help->items.back(), window.about);
  for (std::size_t i = 0; i < program.ownItems.size(); ++i)
    EXPECT_EQ(window.help->items[i + 1]->caption, program.ownItems[i]);
  EXPECT_EQ(window.manual->caption, program.manualCaption);
  EXPECT_EQ(window.manual->shortcut, program.shortcut);
  EXPECT_EQ(window.about->caption, program.aboutCaption);
  EXPECT_EQ(window.help->shortcut, "");
  EXPECT_EQ(window.about->shortcut, "");
}

TEST_P(HelpMenuTest, EachChoiceOfTheManualOpensTheInstalledManualAnew) {
  window.manual->click();
  window.manual->click();
  const std::string manual = (assets / GetParam().manualFile).string();
  EXPECT_EQ(host.opened, (std::vector<std::string>{manual, manual}));
  EXPECT_TRUE(host.messages.empty());
}

TEST_P(HelpMenuTest, AManualNothingCanShowIsReportedByName) {
  host.browserStarts = false;
  window.manual->click();
  ASSERT_EQ(host.messages.size(), 1U);
  EXPECT_EQ(host.messages[0], "Could not open the manual:\n" + (assets / GetParam().manualFile).string());
  EXPECT_EQ(host.buttons[0], platform::MessageButtons::Ok);
}

TEST_P(HelpMenuTest, AboutShowsItsPictureAndCloseModallyAndCloseUnloadsIt) {
  bool closed = false;
  showAbout([&](About& about) {
    EXPECT_EQ(about.caption, GetParam().aboutTitle);
    EXPECT_EQ(about.clientWidth, 5100);
    // The licence line sits below the picture's 3360 twips and the window grows to hold it.
    EXPECT_EQ(about.Label1.caption, "Free software under the GNU GPL, version 3 or later");
    EXPECT_GE(about.Label1.geometry.top, 3360);
    const auto brightness = [](platform::Rgb c) {
      return (c.red * 299 + c.green * 587 + c.blue * 114) / 1000;
    };
    EXPECT_GT(std::abs(brightness(about.Label1.foreColor) - brightness(about.backColor)), 125)
        << "the licence line reads on the window's colour";
    EXPECT_EQ(about.clientHeight, about.Label1.geometry.top + about.Label1.geometry.height);
    EXPECT_EQ(about.Picture1.picture, (assets / "about.BMP").string());
    EXPECT_FALSE(about.Picture1.stretch);
    EXPECT_EQ(about.Command1.caption, "Close");
    EXPECT_FALSE(about.unloadRequested);
    about.Command1.click();
    closed = about.unloadRequested;
  });
  ASSERT_EQ(host.modalForms.size(), 1U);
  EXPECT_TRUE(closed);
  EXPECT_TRUE(host.opened.empty());
}

TEST_P(HelpMenuTest, ThePictureOpensTheMakersPageAtEveryClickAndTheWindowStays) {
  showAbout([&](About& about) {
    about.Picture1.click();
    about.Picture1.click();
    EXPECT_FALSE(about.unloadRequested);
  });
  const std::string page = (assets / "makers.html").string();
  EXPECT_EQ(host.opened, (std::vector<std::string>{page, page}));
}

TEST_P(HelpMenuTest, AMakersPageNothingCanShowIsReportedAndTheWindowStays) {
  host.browserStarts = false;
  showAbout([&](About& about) {
    about.Picture1.click();
    EXPECT_FALSE(about.unloadRequested);
  });
  ASSERT_EQ(host.messages.size(), 1U);
  EXPECT_EQ(host.messages[0], "Could not open the makers' page:\n" + (assets / "makers.html").string());
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, HelpMenuTest, ::testing::ValuesIn(kPrograms),
                         [](const ::testing::TestParamInfo<Program>& row) {
                           return std::string(row.param.name);
                         });

}  // namespace
}  // namespace help

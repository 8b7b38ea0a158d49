// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the Help menu and the About window of one program are made of; the
// two programs differ only in these.

#include <filesystem>
#include <string>

#include "platform/control.h"

namespace help {

struct HelpSetup {
  std::string manual;      // the user manual, a PDF file
  std::string makersPage;  // the makers' page, opened by a click on the About picture
  std::string aboutTitle;
  std::string aboutPicture;
  platform::Rgb aboutBackColor;  // below and beside the picture
};

// The file names inside each program's asset folder.
inline constexpr const char* kTavorinManual = "TavorinUserManual.pdf";
inline constexpr const char* kQuillmereManual = "Quillmere_User_Manual.pdf";
inline constexpr const char* kMakersPage = "makers.html";
inline constexpr const char* kAboutPicture = "about.BMP";

HelpSetup tavorinHelp(const std::filesystem::path& assetFolder);
HelpSetup quillmereHelp(const std::filesystem::path& assetFolder);

}  // namespace help

// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/help/help_setup.h"

namespace help {

HelpSetup tavorinHelp(const std::filesystem::path& assetFolder) {
  return {(assetFolder / kTavorinManual).string(), (assetFolder / kMakersPage).string(), "Tavorin Twenty-One",
          (assetFolder / kAboutPicture).string(), platform::Rgb{0, 96, 32}};
}

HelpSetup quillmereHelp(const std::filesystem::path& assetFolder) {
  return {(assetFolder / kQuillmereManual).string(), (assetFolder / kMakersPage).string(), "Quillmere",
          (assetFolder / kAboutPicture).string(), platform::Rgb{255, 255, 0}};
}

}  // namespace help

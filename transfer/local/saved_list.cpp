// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/local/saved_list.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/host.h"
#include "platform/text_file.h"

namespace transfer {

std::string removeBlanks(std::string_view text) {
  std::string result(text);
  std::erase(result, ' ');
  return result;
}

std::string savedListName(const std::tm& at) {
  const auto number = [](int value) { return std::to_string(value); };
  return "DirList_" +
         removeBlanks(number(at.tm_mon + 1) + "-" + number(at.tm_mday) + "-" + number(at.tm_year + 1900) +
                      "_" + number(at.tm_hour) + "-" + number(at.tm_min) + "-" + number(at.tm_sec) + ".txt");
}

void saveDirectoryList(FTP& f) {
  namespace fs = std::filesystem;
  const std::string name = savedListName(f.localNow());
  const fs::path folder = f.Text1.text();
  const fs::path file = folder / name;
  // The folder must be there already: a mistyped one is not made, and an
  // empty box must not put the file elsewhere.
  std::error_code error;
  if (folder.empty() || !fs::is_directory(folder, error) ||
      !platform::writeLinesReplacing(file, f.List1.items)) {
    f.host.messageBox("The list could not be saved to " + file.string() + ".", platform::MessageButtons::Ok);
    return;
  }
  f.List1.listIndex = -1;
  f.host.messageBox("List Saved to " + name, platform::MessageButtons::Ok);
}

}  // namespace transfer

// SPDX-License-Identifier: GPL-3.0-or-later
#include <memory>

#include "platform/paths.h"
#include "platform/qt/application.h"
#include "transfer/local/ftp_startup.h"
#include "transfer/local/quillmere.h"

int main(int argc, char** argv) {
  std::unique_ptr<transfer::Quillmere> program;
  return platform::qt::runApplication(
      argc, argv, "Quillmere", "Downloads and uploads files on FTP servers and network folders.",
      [&](platform::Host& host) -> platform::Form& {
        program = std::make_unique<transfer::Quillmere>(
            host, platform::assetFolder("quillmere", QUILLMERE_BUILD_ASSET_DIR),
            platform::dataFolder("quillmere"), platform::downloadsFolder());
        transfer::ftpLoad(program->window);
        return program->window;
      });
}

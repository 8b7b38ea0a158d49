#include <memory>

#include "platform/paths.h"
#include "platform/qt/application.h"
#include "transfer/local/ftp.h"
#include "transfer/local/ftp_startup.h"

int main(int argc, char** argv) {
  std::unique_ptr<transfer::FTP> ftp;
  return platform::qt::runApplication(
      argc, argv, "Quillmere", "Downloads and uploads files on FTP servers and network folders.",
      [&](platform::Host& host) -> platform::Form& {
        ftp = std::make_unique<transfer::FTP>(host,
                                              platform::assetFolder("quillmere", QUILLMERE_BUILD_ASSET_DIR),
                                              platform::dataFolder("quillmere"), platform::downloadsFolder());
        transfer::ftpLoad(*ftp);
        return *ftp;
      });
}

#include <memory>

#include "game/table.h"
#include "game/table_startup.h"
#include "platform/paths.h"
#include "platform/qt/application.h"
#include "platform/random_source.h"

int main(int argc, char** argv) {
  platform::ClockSeededRandom random;
  std::unique_ptr<game::Table> table;
  return platform::qt::runApplication(
      argc, argv, "Tavorin", "Twenty-one against the dealer.", [&](platform::Host& host) -> platform::Form& {
        table = std::make_unique<game::Table>(host, random,
                                              platform::assetFolder("tavorin", TAVORIN_BUILD_ASSET_DIR),
                                              platform::dataFolder("tavorin"));
        game::tableLoad(*table);
        return *table;
      });
}

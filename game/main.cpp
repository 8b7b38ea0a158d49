// SPDX-License-Identifier: GPL-3.0-or-later
#include <memory>
#include <optional>

#include "game/table.h"
#include "game/table_startup.h"
#include "platform/instance_lock.h"
#include "platform/paths.h"
#include "platform/qt/application.h"
#include "platform/random_source.h"

int main(int argc, char** argv) {
  platform::ClockSeededRandom random;
  std::unique_ptr<game::Table> table;
  std::optional<platform::InstanceLock> lock;
  return platform::qt::runApplication(
      argc, argv, "Tavorin", "Twenty-one against the dealer.", [&](platform::Host& host) -> platform::Form& {
        table = std::make_unique<game::Table>(host, random,
                                              platform::assetFolder("tavorin", TAVORIN_BUILD_ASSET_DIR),
                                              platform::dataFolder("tavorin"));
        // A second table on the same player file would overwrite the first one's bank.
        lock.emplace(platform::dataFolder("tavorin") / "tavorin.lock");
        if (lock->state() == platform::InstanceLock::State::HeldByOther) {
          host.messageBox("Tavorin is already running.", platform::MessageButtons::Ok);
          host.endProgram();
          return *table;
        }
        game::tableLoad(*table);
        return *table;
      });
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/table_events.h"

#include "game/bankroll/bank_menu.h"
#include "game/bankroll/bet_entry.h"
#include "game/deal.h"
#include "game/done.h"
#include "game/double_down.h"
#include "game/hit_stand.h"
#include "game/house_rules_window.h"
#include "game/insurance.h"
#include "game/split.h"
#include "game/statistics/statistics_window.h"
#include "game/surrender.h"
#include "game/table_keys.h"
#include "shared/help/help_menu.h"

namespace game {

void connectTableEvents(Table& t) {
  t.Command1.onClick = [&t] { command1Click(t); };
  t.Command2.onClick = [&t] { command2Click(t); };
  t.Command3.onClick = [&t] { command3Click(t); };
  t.Command4.onClick = [&t] { command4Click(t); };
  t.Command11.onClick = [&t] { command11Click(t); };
  t.Command12.onClick = [&t] { command12Click(t); };
  t.Command13.onClick = [&t] { command13Click(t); };
  t.Command14.onClick = [&t] { command14Click(t); };
  const auto chips = t.chips();
  for (std::size_t i = 0; i < chips.size(); ++i) {
    chips[i]->onClick = [&t, value = Table::kChipValues[i]] { applyChip(t, value); };
  }
  t.Label16.onClick = [&t] { label16Click(t); };
  t.Label17.onClick = [&t] { label17Click(t); };
  t.Label18.onClick = [&t] { label18Click(t); };
  t.Text1.onChange = [&t] { text1Change(t); };
  t.mnuItemAddBalance.onClick = [&t] { mnuItemAddBalanceClick(t); };
  t.mnuItemPayDebt.onClick = [&t] { mnuItemPayDebtClick(t); };
  t.mnuItemExit.onClick = [&t] { mnuItemExitClick(t); };
  t.onQueryUnload = [&t] { return tableQueryUnload(t); };
  t.mnuItemHouseRules.onClick = [&t] { mnuItemHouseRulesClick(t); };
  t.mnuItemStatistics.onClick = [&t] { mnuItemStatisticsClick(t); };
  connectTableKeys(t);
  help::connectHelpEvents(t.mnuItemManual, t.mnuItemAbout, t.host, help::tavorinHelp(t.assetFolder));
}

}  // namespace game

#include "game/table_events.h"

#include "game/bankroll/bet_entry.h"
#include "game/deal.h"
#include "game/hit_stand.h"

namespace game {

void connectTableEvents(Table& t) {
  t.Command1.onClick = [&t] { command1Click(t); };
  t.Command3.onClick = [&t] { command3Click(t); };
  t.Command4.onClick = [&t] { command4Click(t); };
  const auto chips = t.chips();
  for (std::size_t i = 0; i < chips.size(); ++i) {
    chips[i]->onClick = [&t, value = Table::kChipValues[i]] { applyChip(t, value); };
  }
  t.Label16.onClick = [&t] { label16Click(t); };
  t.Label17.onClick = [&t] { label17Click(t); };
  t.Label18.onClick = [&t] { label18Click(t); };
  t.Text1.onChange = [&t] { text1Change(t); };
  t.mnuItemExit.onClick = [&t] { mnuItemExitClick(t); };
}

void mnuItemExitClick(Table& t) {
  t.host.endProgram();
}

}  // namespace game

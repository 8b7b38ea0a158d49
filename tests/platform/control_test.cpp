// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/control.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(ControlTest, WritingADifferentTextRaisesChangeOnce) {
  Control box(ControlKind::TextBox, "Text1", {});
  int changes = 0;
  box.onChange = [&] { ++changes; };
  box.setText("5");
  box.setText("5");
  EXPECT_EQ(changes, 1);
}

TEST(ControlTest, ChangeHandlerMayRewriteTheText) {
  Control box(ControlKind::TextBox, "Text1", {});
  box.onChange = [&] {
    if (box.text() == "12abc") box.setText("12");
  };
  box.setText("12abc");
  EXPECT_EQ(box.text(), "12");
}

TEST(ControlTest, SelectingAnOptionClearsTheOthersOfItsGroup) {
  Control a(ControlKind::OptionButton, "Option1", {});
  Control b(ControlKind::OptionButton, "Option2", {});
  std::vector<Control*> group{&a, &b};
  a.joinGroup(&group);
  b.joinGroup(&group);
  a.setValue(true);
  b.setValue(true);
  EXPECT_FALSE(a.value());
  EXPECT_TRUE(b.value());
}

TEST(ControlTest, DisabledMenuItemIgnoresClicks) {
  MenuItem item("mnuItemPayDebt", "Pay Debt");
  int clicks = 0;
  item.onClick = [&] { ++clicks; };
  item.enabled = false;
  item.click();
  EXPECT_EQ(clicks, 0);
}

TEST(ControlTest, ASortedListIgnoresCaseAndKeepsTheCurrentEntry) {
  Control list(ControlKind::ComboBox, "Combo1", {});
  list.sorted = true;
  for (const char* entry : {"txt", "All", "bmp"})
    list.addItem(entry);
  list.listIndex = 2;  // "txt"
  for (const char* entry : {"JPG", "Zip", "all"})
    list.addItem(entry);
  EXPECT_EQ(list.items, (std::vector<std::string>{"All", "all", "bmp", "JPG", "txt", "Zip"}));
  EXPECT_EQ(list.currentItem(), "txt");
  EXPECT_EQ(list.selected.size(), list.items.size());
}

}  // namespace
}  // namespace platform

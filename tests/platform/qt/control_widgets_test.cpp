// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/control_widgets.h"

#include "platform/control.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <memory>
#include <string>

namespace platform::qt {
namespace {

// The widget families are looked up by kind at run time, so a kind that no
// family's table names would only show when a window holding it opens.
TEST(ControlWidgetsTest, EveryKindOfControlGetsAWidgetNamedAfterIt) {
  QWidget parent;
  for (int kind = static_cast<int>(ControlKind::Label); kind <= static_cast<int>(ControlKind::FolderTree);
       ++kind) {
    SCOPED_TRACE(kind);
    Control control(static_cast<ControlKind>(kind), "Control" + std::to_string(kind), {0, 0, 150, 150});
    ControlWidget* made = createControlWidget(control, &parent, nullptr);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->widget()->parent(), &parent);
    EXPECT_EQ(made->widget()->objectName().toStdString(), control.name);
    delete made->widget();
  }
}

}  // namespace
}  // namespace platform::qt

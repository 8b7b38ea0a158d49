// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a screen reader finds on the controls: their names, descriptions and
// roles, kept in step with the model.

#include "platform/control.h"

#include <QWidget>

namespace platform::qt {

// Makes Qt tell pictures as images and option buttons as radio buttons;
// called before a form's widgets are made.
void installAccessibility();

// Called after each refresh of the control's widget.
void syncAccessibility(const Control& control, QWidget& widget);

// The control's label tells its name (the label's caption, as it changes).
void linkLabel(QWidget& label, QWidget& labelled);

}  // namespace platform::qt

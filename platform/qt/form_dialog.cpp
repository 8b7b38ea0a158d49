// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/form_dialog.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace platform::qt {

FormDialog::FormDialog(platform::Form& form, QWidget* parent)
    : QDialog(parent), view_(new FormView(form, refreshAllWindows)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  if (form.defaultButton) {
    if (auto* button = qobject_cast<QPushButton*>(view_->widgetFor(*form.defaultButton)))
      button->setDefault(true);
  }
  refresh();
  enlistWindow(this);
}

FormDialog::~FormDialog() {
  dismissWindow(this);
}

void FormDialog::refresh() {
  view_->refresh();
}

void FormDialog::keyPressEvent(QKeyEvent* event) {
  Form& shown = view_->form();
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  // Enter on a focused button presses that button, as Qt does; elsewhere it
  // presses the form's default, which may be a picture.
  Control* pressed = event->key() == Qt::Key_Escape                        ? shown.cancelButton
                     : enter && !qobject_cast<QPushButton*>(focusWidget()) ? shown.defaultButton
                                                                           : nullptr;
  if (pressed) {
    pressed->click();
    refreshAllWindows();
    return;
  }
  // The original's dialogs did not close on Escape unless a form names a cancel control.
  if (event->key() == Qt::Key_Escape) {
    event->ignore();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace platform::qt
